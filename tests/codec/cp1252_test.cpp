// Windows-1252, the one code page between account files and the screen: every
// byte has its own character and comes back, and nothing else gets in.

#include "store/cp1252.h"

#include <gtest/gtest.h>
#include <set>

namespace lb {
namespace {

std::string allBytes() {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    return all;
}

TEST(Cp1252, MapsAll256BytesOneToOneAndBack) {
    std::set<char16_t> seen;
    for (int b = 0; b < 256; ++b) {
        const char16_t unit = cp1252::toUnicode(static_cast<unsigned char>(b));
        EXPECT_TRUE(seen.insert(unit).second) << "byte " << b << " shares its character";
        EXPECT_EQ(cp1252::fromUnicode(unit), static_cast<unsigned char>(b)) << b;
    }
}

TEST(Cp1252, KnowsTheWindowsCharactersOfTheHighControlRange) {
    EXPECT_EQ(cp1252::toUnicode(0x80), u'\u20AC');
    EXPECT_EQ(cp1252::toUnicode(0x9F), u'\u0178');
    EXPECT_EQ(cp1252::toUnicode(0x81), u'\u0081') << "undefined slots keep their value";
    EXPECT_EQ(cp1252::toUnicode(0xE9), u'\u00E9');
}

TEST(Cp1252, RefusesCharactersItCannotHold) {
    for (char16_t unit : {u'\u0100', u'\u20AD', u'\u4E2D', u'\uFFFD', char16_t(0xD800),
                          u'\u0080' /* Windows puts the euro there */}) {
        EXPECT_FALSE(cp1252::fromUnicode(unit)) << int(unit);
    }
}

TEST(Cp1252, RoundTripsEveryByteThroughUtf8) {
    const std::string all = allBytes();
    const std::string utf8 = cp1252::toUtf8(all);
    EXPECT_EQ(utf8.substr(0, 128), all.substr(0, 128)) << "ASCII stays as it is";
    EXPECT_EQ(cp1252::toUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(cp1252::fromUtf8(utf8), all);
}

TEST(Cp1252, RefusesMalformedOrUnholdableUtf8) {
    for (std::string_view bad : {
             std::string_view("\xC3"),             // cut short
             std::string_view("\xE2\x82"),         // cut short
             std::string_view("\x80"),             // a lone continuation byte
             std::string_view("\xC0\x80"),         // overlong
             std::string_view("\xE0\x80\x80"),     // overlong
             std::string_view("\xC3\x28"),         // bad continuation
             std::string_view("\xF0\x9F\x98\x80"), // outside the code page
             std::string_view("\xE4\xB8\xAD"),     // outside the code page
             std::string_view("\xED\xA0\x80"),     // a surrogate
             std::string_view("\xFF"),
         }) {
        EXPECT_FALSE(cp1252::fromUtf8(bad)) << bad;
    }
    EXPECT_EQ(cp1252::fromUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

} // namespace
} // namespace lb
