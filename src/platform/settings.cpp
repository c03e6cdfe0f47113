#include "platform/settings.h"

#include "platform/file_io.h"
#include "platform/paths.h"
#include "platform/texts.h"

#include <QHash>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace lb::settings {
namespace {

// Far above the few lines the program writes, yet no file grown by mistake
// is ever read into memory whole.
constexpr off_t kMaxSettingsBytes = 1 << 20;

// Where this run keeps its settings, decided at the first use.
struct Place {
    bool judged = false;
    QString file;                   // through any links; empty when kept in memory
    QHash<QString, QString> memory; // the run's own values when the file is left alone
};

Place& place() {
    static Place p;
    return p;
}

// Why what is at path must be left alone, or nothing; target then names the
// file to read and write, which a first save creates when it is missing.
std::optional<std::string> refusal(const std::string& path, std::string& target) {
    int error = 0;
    const auto final = linkTarget(path, error);
    if (!final) {
        return std::strerror(error);
    }
    struct stat st {};
    if (::stat(final->c_str(), &st) != 0) {
        if (errno != ENOENT) {
            return std::strerror(errno);
        }
    } else if (!S_ISREG(st.st_mode)) {
        return "it is not a regular file";
    } else if (st.st_size > kMaxSettingsBytes) {
        return "it is larger than 1 MiB";
    }
    target = *final;
    return std::nullopt;
}

// Judged before QSettings ever opens the file: it would wait for ever on a
// pipe, read a device without end and replace a link with a file.
Place& judgedPlace() {
    Place& p = place();
    if (!p.judged) {
        p.judged = true;
        const std::string path = pathBytes(filePath());
        std::string target;
        if (const auto why = refusal(path, target)) {
            std::fprintf(stderr,
                         "%s: the settings file '%s' is left alone: %s. This run starts from the "
                         "default settings and keeps its changes in memory.\n",
                         texts::kAppName.toUtf8().constData(), path.c_str(), why->c_str());
        } else {
            p.file = pathText(target);
        }
    }
    return p;
}

QString keyPath(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

} // namespace

QString filePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + texts::kAppName + QLatin1Char('/') + texts::kAppName +
           QStringLiteral(".ini");
}

void judgeFileAgain() {
    place() = Place{};
}

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue) {
    const Place& p = judgedPlace();
    if (p.file.isEmpty()) {
        return p.memory.value(keyPath(section, key), defaultValue);
    }
    const QVariant value = QSettings(p.file, QSettings::IniFormat).value(keyPath(section, key));
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
    Place& p = judgedPlace();
    if (p.file.isEmpty()) {
        p.memory.insert(keyPath(section, key), value);
        return;
    }
    QSettings s(p.file, QSettings::IniFormat);
    s.setValue(keyPath(section, key), value);
    s.sync();
}

bool optionOn(const QString& key, bool defaultOn) {
    return GetSetting(kOptions, key, defaultOn ? QStringLiteral("Yes") : QStringLiteral("No")) ==
           QLatin1String("Yes");
}

void saveOption(const QString& key, bool on) {
    SaveSetting(kOptions, key, on ? QStringLiteral("Yes") : QStringLiteral("No"));
}

double numberOption(const QString& key, double defaultValue, double most) {
    const auto value = toNumber(GetSetting(kOptions, key, QString()));
    return value && *value >= 0 && *value <= most ? *value : defaultValue;
}

void saveNumberOption(const QString& key, double value) {
    SaveSetting(kOptions, key, numberText(value));
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
