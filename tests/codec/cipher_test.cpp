// The cipher's arithmetic at its wrap points, the password key, and the
// promise the file format rests on: every code 0-254 survives both shifts.

#include "store/cipher.h"
#include "store/crc32.h"

#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace lb {
namespace {

std::string chars(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) {
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
    EXPECT_EQ(PasswordKey("a"), 97);
    EXPECT_EQ(PasswordKey("ab"), 97 + 49);
    EXPECT_EQ(PasswordKey("abc"), 97 + 49 + 49);
    EXPECT_EQ(PasswordKey(chars({255, 255})), 255 + 127);
}

TEST(PasswordKey, LaterCharactersOfCodeZeroOrOneDoNotChangeIt) {
    EXPECT_EQ(PasswordKey("Q"), 'Q');
    EXPECT_EQ(PasswordKey(chars({'Q', 0, 1, 0})), 'Q');
}

TEST(PasswordKey, NeighboursOfTheSameHalfCodeGiveTheSameKey) {
    EXPECT_EQ(PasswordKey("hunter2"), PasswordKey("hunter3"));
    EXPECT_NE(PasswordKey("hunter1"), PasswordKey("hunter2"));
}

TEST(PasswordKey, LongPasswordsDoNotOverflow) {
    const std::string password(100000, '\xFF');
    EXPECT_EQ(PasswordKey(password), 255 + 127LL * 99999);
}

TEST(ShiftText, WrapsBy255AtBothEnds) {
    EXPECT_EQ(ShiftText(chars({250}), 10), chars({5}));
    EXPECT_EQ(ShiftText(chars({3}), -10), chars({248}));
    EXPECT_EQ(ShiftText(chars({250}), 5), chars({255})) << "255 itself is not wrapped";
    EXPECT_EQ(ShiftText(chars({0}), -255), chars({0}));
    EXPECT_EQ(ShiftText(chars({255}), 1), chars({1}));
    EXPECT_EQ(ShiftText(chars({0}), 510), chars({255}));
}

TEST(ShiftText, KeepsTheLength) {
    EXPECT_EQ(ShiftText("", 7), "");
    EXPECT_EQ(ShiftText(chars({0, 1, 254, 255}), 0), chars({0, 1, 254, 255}));
    EXPECT_EQ(ShiftText(std::string(1000, 'x'), 100000).size(), 1000u);
}

TEST(ShiftText, MatchesTheStepwiseWrapWherever16BitArithmeticWouldNotOverflow) {
    std::string all;
    for (int c = 0; c < 256; ++c) {
        all += static_cast<char>(c);
    }
    // Every amount near the wrap points, a sample of the rest.
    for (int amount = -32768; amount <= 32767 - 255; amount += std::abs(amount) > 600 ? 97 : 1) {
        const std::string shifted = ShiftText(all, amount);
        for (int code = 0; code < 256; ++code) {
            ASSERT_EQ(shiftCode(static_cast<unsigned char>(code), amount), wrapByLoop(code, amount))
                << "code " << code << " amount " << amount;
            ASSERT_EQ(static_cast<unsigned char>(shifted[code]), wrapByLoop(code, amount))
                << "code " << code << " amount " << amount;
        }
    }
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

TEST(ShiftText, HugeAmountsWrapLikeSmallOnes) {
    // Beyond 16 bits the old arithmetic overflowed; here the wrap simply continues.
    for (int code = 0; code < 256; ++code) {
        const auto c = static_cast<unsigned char>(code);
        EXPECT_EQ(shiftCode(c, 255LL * 1000000 + 17), shiftCode(c, 255 + 17));
        EXPECT_EQ(shiftCode(c, -255LL * 1000000 - 17), shiftCode(c, -255 - 17));
        EXPECT_EQ(shiftCode(c, INT64_MAX), shiftCode(c, 255 + INT64_MAX % 255));
    }
}

TEST(ShiftText, UndoesItselfForCodes1To254) {
    std::string all;
    for (int c = 1; c <= 254; ++c) {
        all += static_cast<char>(c);
    }
    for (std::int64_t amount : {1, 17, 254, 255, 256, 1000, 40000}) {
        EXPECT_EQ(ShiftText(ShiftText(all, amount), -amount), all) << amount;
    }
}

TEST(RunningShift, SubtractsOnce255WhenTheSumExceeds255) {
    EXPECT_EQ(nextRunningShift(250, 10), 5);
    EXPECT_EQ(nextRunningShift(254, 1), 255);
    EXPECT_EQ(nextRunningShift(255, 21), 21);
    EXPECT_EQ(nextRunningShift(1, 21), 22);
}

TEST(FieldCipher, EqualsTheTwoShiftsInTheirOrder) {
    std::string all;
    for (int c = 0; c < 256; ++c) {
        all += static_cast<char>(c);
    }
    for (std::int64_t key : {0, 1, 146, 300, 65000}) {
        FieldCipher encipher(key, FieldCipher::Direction::Encipher);
        FieldCipher decipher(key, FieldCipher::Direction::Decipher);
        for (int shift = 0; shift < 256; ++shift) {
            std::string out(all.size(), '\0');
            encipher.apply(shift, all, out.data());
            EXPECT_EQ(out, ShiftText(ShiftText(all, shift), key));
            decipher.apply(shift, all, out.data());
            EXPECT_EQ(out, ShiftText(ShiftText(all, -key), -shift));
        }
    }
}

TEST(FieldCipher, EveryCodeBelow255SurvivesAndCode255ComesBackAsZero) {
    std::string all;
    for (int c = 0; c < 256; ++c) {
        all += static_cast<char>(c);
    }
    std::string expected = all;
    expected[255] = '\0';
    for (std::int64_t key : {0, 1, 97, 254, 255, 256, 510, 12345, 70000}) {
        FieldCipher encipher(key, FieldCipher::Direction::Encipher);
        FieldCipher decipher(key, FieldCipher::Direction::Decipher);
        for (int shift = 1; shift <= 255; ++shift) {
            std::string stored(256, '\0');
            std::string back(256, '\0');
            encipher.apply(shift, all, stored.data());
            decipher.apply(shift, stored, back.data());
            ASSERT_EQ(back, expected) << "key " << key << " shift " << shift;
        }
    }
}

TEST(Crc32, MatchesTheZlibCheckValueInPiecesAndWhole) {
    EXPECT_EQ(crc32Update(0, "123456789"), 0xCBF43926u);
    EXPECT_EQ(crc32Update(crc32Update(0, "1234"), "56789"), 0xCBF43926u);
    EXPECT_EQ(crc32Update(0, ""), 0u);
    const std::string longer(1000, 'a');
    std::uint32_t bytewise = 0;
    for (char c : longer) {
        bytewise = crc32Update(bytewise, std::string_view(&c, 1));
    }
    EXPECT_EQ(crc32Update(0, longer), bytewise);
}

TEST(Crc32, JoinsPiecesComputedApart) {
    const std::string a = "The quick brown fox ";
    const std::string b(100000, 'j');
    const std::uint32_t whole = crc32Update(0, a + b);
    EXPECT_EQ(crc32Combine(crc32Update(0, a), crc32Update(0, b), b.size()), whole);
    EXPECT_EQ(crc32Combine(crc32Update(0, a), 0, 0), crc32Update(0, a));
    EXPECT_EQ(crc32Combine(0, crc32Update(0, b), b.size()), crc32Update(0, b));
    EXPECT_EQ(crc32Combine(crc32Update(0, "1234"), crc32Update(0, "56789"), 5), 0xCBF43926u);
}

} // namespace
} // namespace lb
