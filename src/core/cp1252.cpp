#include "core/cp1252.h"

#include <array>

namespace lb::cp1252 {
namespace {

// 0x80..0x9F; the undefined slots keep their own value (C1 controls).
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// One character of the code page as UTF-8: all of them lie below U+10000.
void appendUtf8(std::string& out, char16_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character that starts at utf8[i], moving i past it; kNotUtf8 for a
// malformed, cut-short, overlong or surrogate sequence.
char32_t nextCharacter(std::string_view utf8, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    char32_t c = 0;
    std::size_t extra = 0;
    if (lead < 0x80) {
        c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        c = lead & 0x1F;
        extra = 1;
    } else if ((lead & 0xF0) == 0xE0) {
        c = lead & 0x0F;
        extra = 2;
    } else if ((lead & 0xF8) == 0xF0) {
        c = lead & 0x07;
        extra = 3;
    } else {
        return kNotUtf8;
    }
    if (utf8.size() - i <= extra) {
        return kNotUtf8;
    }
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto cont = static_cast<unsigned char>(utf8[i + k]);
        if ((cont & 0xC0) != 0x80) {
            return kNotUtf8;
        }
        c = (c << 6) | (cont & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return kNotUtf8;
    }
    i += extra + 1;
    return c;
}

// The code page's byte for a decoded character; nothing for one it lacks
// (all of its characters lie below U+10000) or for malformed bytes.
std::optional<unsigned char> byteFor(char32_t c) {
    if (c > 0xFFFF) {
        return std::nullopt;
    }
    return fromUnicode(static_cast<char16_t>(c));
}

} // namespace

char16_t toUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHigh[byte - 0x80];
    }
    return byte;
}

std::optional<unsigned char> fromUnicode(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        return static_cast<unsigned char>(unit);
    }
    for (unsigned i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == unit) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

std::string toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        appendUtf8(out, toUnicode(static_cast<unsigned char>(b)));
    }
    return out;
}

std::optional<std::string> fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto byte = byteFor(nextCharacter(utf8, i));
        if (!byte) {
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
    }
    return out;
}

std::optional<char32_t> firstUnconvertible(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char32_t c = nextCharacter(utf8, i);
        if (!byteFor(c)) {
            return c;
        }
    }
    return std::nullopt;
}

} // namespace lb::cp1252
