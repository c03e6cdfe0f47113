#include "platform/settings.h"

#include <QLocale>
#include <QSettings>
#include <cmath>

namespace lb::settings {
namespace {

QSettings store() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Lockerbook"),
                     QStringLiteral("Lockerbook"));
}

QString path(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

} // namespace

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue) {
    const QVariant value = store().value(path(section, key));
    // A list written by another tool (a value with a bare comma) reads as text, not as nothing.
    if (!value.isValid()) {
        return defaultValue;
    }
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
}

void SaveSetting(const QString& section, const QString& key, const QString& value) {
    QSettings s = store();
    s.setValue(path(section, key), value);
    s.sync();
}

bool optionOn(const QString& key, bool defaultOn) {
    return GetSetting(kOptions, key, defaultOn ? QStringLiteral("Yes") : QStringLiteral("No")) ==
           QLatin1String("Yes");
}

void saveOption(const QString& key, bool on) {
    SaveSetting(kOptions, key, on ? QStringLiteral("Yes") : QStringLiteral("No"));
}

QString numberText(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

std::optional<double> toNumber(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    // "nan" and "inf" convert, but no stored number may be either.
    if (!ok || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

} // namespace lb::settings
