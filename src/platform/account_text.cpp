#include "platform/account_text.h"

#include "core/classic_file.h"

#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <sodium.h>

namespace lb {

QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toAccountText(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::string out(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    // The intermediate copy may hold a password: wiped before Qt frees it.
    sodium_memzero(const_cast<char*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
    return out;
}

SecretBytes toSecretText(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    SecretBytes out(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    sodium_memzero(const_cast<char*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
    return out;
}

qsizetype visibleLength(const QString& text) {
    // ASCII is one character per code unit: most text needs no search.
    bool plain = true;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            plain = false;
            break;
        }
    }
    if (plain) {
        return text.size();
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() != -1) {
        ++count;
    }
    return count;
}

QString MaskText(const QString& text) {
    return QString(visibleLength(text), QLatin1Char('*'));
}

std::string maskOf(std::string_view utf8) {
    QString text = toQString(utf8);
    std::string mask(static_cast<std::size_t>(visibleLength(text)), '*');
    wipeText(text);
    return mask;
}

std::optional<char32_t> firstClassicUnkeepable(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return classicUnkeepable(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void wipeBoxText(QLineEdit* box) {
    // text() shares the box's own buffer; writing through it reaches the
    // characters the box keeps, which clear() alone would free unwiped.
    QString shared = box->text();
    // A text set from the program's own constants is read-only, and no secret.
    if (!shared.isEmpty() && shared.data_ptr().isMutable()) {
        sodium_memzero(const_cast<QChar*>(shared.constData()),
                       static_cast<std::size_t>(shared.size()) * sizeof(QChar));
    }
    box->clear();
}

void wipeText(QString& text) {
    if (text.isDetached() && !text.isEmpty()) {
        sodium_memzero(text.data(), static_cast<std::size_t>(text.size()) * sizeof(QChar));
    }
    text.clear();
}

} // namespace lb
