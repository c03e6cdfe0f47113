#include "platform/ansi_text.h"

#include "core/cp1252.h"

namespace lb {

QString toQString(const std::string& bytes) {
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* data = out.data();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        data[i] = QChar(cp1252::toUnicode(static_cast<unsigned char>(bytes[i])));
    }
    return out;
}

std::optional<std::string> toAnsi(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const auto byte = cp1252::fromUnicode(c.unicode());
        if (!byte) {
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
    }
    return out;
}

std::optional<SecretBytes> toSecretAnsi(const QString& text) {
    SecretBytes out(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto byte = cp1252::fromUnicode(text[i].unicode());
        if (!byte) {
            return std::nullopt;
        }
        out.data()[i] = static_cast<char>(*byte);
    }
    return out;
}

bool isStorable(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() == 0xFF || !cp1252::fromUnicode(c.unicode())) {
            return false;
        }
    }
    return true;
}

QValidator::State StorableTextValidator::validate(QString& input, int& /*pos*/) const {
    return isStorable(input) ? Acceptable : Invalid;
}

} // namespace lb
