#include "core/cp1252.h"

#include "core/utf8.h"

#include <array>

namespace lb::cp1252 {
namespace {

// 0x80..0x9F; the undefined slots keep their own value (C1 controls).
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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
        utf8::append(out, toUnicode(static_cast<unsigned char>(b)));
    }
    return out;
}

std::optional<std::string> fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto byte = byteFor(utf8::nextCharacter(utf8, i));
        if (!byte) {
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
    }
    return out;
}

std::optional<SecretBytes> secretFromUtf8(std::string_view utf8) {
    const std::size_t count = utf8::characterCount(utf8);
    SecretBytes out(count);
    std::size_t i = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const auto byte = byteFor(utf8::nextCharacter(utf8, i));
        if (!byte) {
            return std::nullopt;
        }
        out.data()[k] = static_cast<char>(*byte);
    }
    return out;
}

std::optional<char32_t> firstUnconvertible(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char32_t c = utf8::nextCharacter(utf8, i);
        if (!byteFor(c)) {
            return c;
        }
    }
    return std::nullopt;
}

} // namespace lb::cp1252
