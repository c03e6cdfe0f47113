#include "platform/paths.h"

namespace lb {
namespace {

constexpr char16_t kStrayByteBase = 0xDC80;

// The length of the well-formed UTF-8 sequence at the front of bytes, or 0.
std::size_t sequenceLength(const std::string& bytes, std::size_t at, char32_t& code) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    std::size_t length = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code = code << 6 | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0; // overlong, beyond Unicode, or a surrogate written out
    }
    return length;
}

} // namespace

QString pathText(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t code = 0;
        const std::size_t length = sequenceLength(bytes, at, code);
        if (length == 0) {
            text += QChar(
                static_cast<char16_t>(kStrayByteBase + static_cast<unsigned char>(bytes[at])));
            ++at;
            continue;
        }
        text += QString::fromUcs4(&code, 1);
        at += length;
    }
    return text;
}

std::string pathBytes(const QString& path) {
    std::string bytes;
    QString run;
    const auto flush = [&] {
        bytes += run.toStdString();
        run.clear();
    };
    for (QChar c : path) {
        if (c.unicode() >= kStrayByteBase && c.unicode() <= kStrayByteBase + 0xFF) {
            flush();
            bytes += static_cast<char>(c.unicode() - kStrayByteBase);
        } else {
            run += c;
        }
    }
    flush();
    return bytes;
}

QStringList argumentsAsText(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << pathText(argv[i]);
    }
    return arguments;
}

} // namespace lb
