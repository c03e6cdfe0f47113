// The classic cipher's arithmetic at its wrap points, the password key, and
// the promise the file format rests on: every code 0-254 survives both shifts.

#include "core/cipher.h"

#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace lb {
namespace {

std::string allCodes(int from = 0, int to = 255) {
    std::string s;
    for (int c = from; c <= to; ++c) {
        s += static_cast<char>(c);
    }
    return s;
}

// The wrap exactly as written down, step by step, for amounts where 16-bit
// arithmetic does not overflow.
int wrapByLoop(int code, int amount) {
    int v = code + amount;
    while (v < 0 || v > 255) {
        v += v < 0 ? 255 : -255;
    }
    return v;
}

TEST(PasswordKey, CountsTheFirstCharacterWholeAndHalvesTheRest) {
    const struct {
        std::string password;
        std::int64_t key;
    } rows[] = {
        {"a", 97},
        {"ab", 97 + 49},
        {"abc", 97 + 49 + 49},
        {"\xFF\xFF", 255 + 127},
        {std::string("Q\0\1\0", 4), 'Q'}, // later codes 0 and 1 add nothing
        {"hunter2", 'h' + 'u' / 2 + 'n' / 2 + 't' / 2 + 'e' / 2 + 'r' / 2 + '2' / 2},
        {"hunter3", 'h' + 'u' / 2 + 'n' / 2 + 't' / 2 + 'e' / 2 + 'r' / 2 + '2' / 2},
        {std::string(100000, '\xFF'), 255 + 127LL * 99999}, // no overflow
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PasswordKey(row.password), row.key) << row.password.substr(0, 10);
    }
}

TEST(ShiftText, MatchesTheStepwiseWrapWherever16BitArithmeticWouldNotOverflow) {
    const std::string all = allCodes();
    // Every amount near the wrap points, a sample of the rest.
    for (int amount = -32768; amount <= 32767 - 255; amount += std::abs(amount) > 600 ? 97 : 1) {
        const std::string shifted = ShiftText(all, amount);
        for (int code = 0; code < 256; ++code) {
            ASSERT_EQ(static_cast<unsigned char>(shifted[code]), wrapByLoop(code, amount))
                << "code " << code << " amount " << amount;
        }
    }
    // Beyond 16 bits the wrap simply continues.
    EXPECT_EQ(ShiftText(all, 255LL * 1000000 + 17), ShiftText(all, 255 + 17));
    EXPECT_EQ(ShiftText(all, -255LL * 1000000 - 17), ShiftText(all, -255 - 17));
}

TEST(ShiftText, TextsOfEveryLengthAgreeWithTheOneCodeShift) {
    // Long texts move sixteen codes at a time; the last few take another path.
    std::string text;
    for (int length = 0; length <= 70; ++length) {
        for (std::int64_t amount : {-300, -255, -1, 1, 200, 255, 511}) {
            const std::string shifted = ShiftText(text, amount);
            ASSERT_EQ(shifted.size(), text.size());
            for (std::size_t i = 0; i < text.size(); ++i) {
                ASSERT_EQ(static_cast<unsigned char>(shifted[i]),
                          shiftCode(static_cast<unsigned char>(text[i]), amount))
                    << "length " << length << " amount " << amount << " at " << i;
            }
        }
        text += static_cast<char>(length * 37 + 250);
    }
}

TEST(FieldCipher, IsTheTwoShiftsInTheirOrderAndLosesOnlyCode255) {
    const std::string all = allCodes();
    std::string expected = all;
    expected[255] = '\0';
    for (std::int64_t key : {0, 1, 146, 255, 256, 510, 70000}) {
        const FieldCipher encipher(key, FieldCipher::Direction::Encipher);
        const FieldCipher decipher(key, FieldCipher::Direction::Decipher);
        for (int shift = 0; shift < 256; ++shift) {
            std::string stored(all.size(), '\0');
            std::string back(all.size(), '\0');
            encipher.apply(shift, all, stored.data());
            ASSERT_EQ(stored, ShiftText(ShiftText(all, shift), key)) << key << " " << shift;
            decipher.apply(shift, stored, back.data());
            ASSERT_EQ(back, ShiftText(ShiftText(stored, -key), -shift)) << key << " " << shift;
            if (shift > 0) {
                ASSERT_EQ(back, expected) << "key " << key << " shift " << shift;
            }
        }
    }
    EXPECT_EQ(ShiftText(ShiftText(allCodes(1, 254), 1000), -1000), allCodes(1, 254));
}

} // namespace
} // namespace lb
