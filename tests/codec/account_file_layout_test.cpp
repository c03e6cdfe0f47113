// The writer's bytes, checked byte for byte: an empty table, one account
// worked out by hand, and random tables against the record-by-record picture.

#include "fixed_draws.h"
#include "reference_file.h"
#include "store/account_file.h"

#include <gtest/gtest.h>
#include <random>

namespace lb {
namespace {

using test::f64;
using test::le16;
using test::le32;

const test::ColumnDraws kDraws = {{{10, 3}, {20, 4}, {30, 5}, {40, 6}, {50, 7}}};

std::string write(const std::vector<Account>& accounts, std::string_view password, int check = 41,
                  const test::ColumnDraws& draws = kDraws) {
    test::FixedDraws random(check, draws);
    return writeAccountFile(accounts, password, random);
}

std::string emptyList() {
    return le16(1) + le32(2) + le32(0) + f64(0) + f64(0);
}

std::string oneAccountList(double end) {
    return le16(1) + le32(3) + le32(0) + f64(0) + f64(end) + f64(0);
}

TEST(AccountFileLayout, AnEmptyTableIs259BytesWithEmptyTextsAndTwoZeroEnds) {
    const std::string file = write({}, "ab");
    ASSERT_EQ(file.size(), 259u);
    const std::string crcOfNothing = le32(0);
    std::string expected = le16(10) + "Lockerbook" + le32(6) + le32(6);
    expected += le16(0) + emptyList() + crcOfNothing + "LBc1" + f64(40) + f64(6) + f64(0);
    expected += le16(0) + emptyList() + f64(30) + f64(5);
    expected += le16(0) + emptyList() + f64(20) + f64(4);
    expected += le16(1) + std::string(1, static_cast<char>(41 + 146));
    expected += le16(0) + emptyList() + f64(10) + f64(3);
    expected += le16(0) + emptyList() + f64(50) + f64(7);
    EXPECT_EQ(file, expected);
}

TEST(AccountFileLayout, OneAccountByteForByte) {
    // Key of "ab": 97 + 98/2 = 146. Each character: + running shift, then + key, wrap by 255.
    const std::string file = write({{"A", "u", "p", "", "n"}}, "ab");
    std::string expected = le16(10) + "Lockerbook" + le32(6) + le32(6);
    expected += le16(0) + oneAccountList(0);          // URL: empty
    expected += le32(0xD5E37F56) + "LBc1";            // CRC-32 of "Aupn", marker
    expected += f64(40) + f64(6) + f64(1);            // URL start, step; AccountCount
    expected += le16(1) + "\x21" + oneAccountList(1); // 'p' 112 + 30 + 146 = 288 - 255 = 33
    expected += f64(30) + f64(5);
    expected += le16(1) + "\x1C" + oneAccountList(1); // 'u' 117 + 20 + 146 = 283 - 255 = 28
    expected += f64(20) + f64(4);
    expected += le16(1) + "\xBB";                     // check ')' 41 + 146 = 187
    expected += le16(1) + "\xDD" + oneAccountList(1); // 'A' 65 + 10 + 146 = 221
    expected += f64(10) + f64(3);
    expected += le16(1) + "\x33" + oneAccountList(1); // 'n' 110 + 50 + 146 = 306 - 255 = 51
    expected += f64(50) + f64(7);
    EXPECT_EQ(file.size(), 259u + 40 + 4);
    EXPECT_EQ(file, expected);
}

TEST(AccountFileLayout, TheCheckCharacterIsTheDrawnOneEnciphered) {
    for (int check = 38; check <= 44; ++check) {
        const std::string file = write({}, "a", check);
        // Header 20, URL text 2 + list 26, Reserved 8, three f64 24, two columns of 2 + 26 + 16.
        const std::size_t at = 20 + 28 + 8 + 24 + 2 * 44;
        EXPECT_EQ(file.substr(at, 3), le16(1) + static_cast<char>(check + 97));
    }
}

std::vector<Account> randomTable(std::mt19937& rng, int count, int maxLength) {
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<Account> accounts(count);
    for (Account& a : accounts) {
        for (int f = 0; f < 5; ++f) {
            std::string& v = a.field(static_cast<Field>(f));
            v.resize(length(rng));
            for (char& c : v) {
                c = static_cast<char>(byte(rng));
            }
        }
    }
    return accounts;
}

TEST(AccountFileLayout, RandomTablesMatchTheRecordByRecordPicture) {
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> start(1, 254);
    std::uniform_int_distribution<int> step(1, 21);
    std::uniform_int_distribution<int> check(38, 44);
    for (int round = 0; round < 40; ++round) {
        const auto accounts = randomTable(rng, round * 3, 30);
        test::ColumnDraws draws;
        for (auto& d : draws) {
            d = {start(rng), step(rng)};
        }
        const int c = check(rng);
        const std::string password = round % 2 == 0 ? "correct horse" : "\xFF\xFE\x01zz";
        EXPECT_EQ(write(accounts, password, c, draws),
                  test::referenceParts(accounts, password, c, draws).bytes())
            << "round " << round;
    }
}

TEST(AccountFileLayout, TextsOf65535BytesOrMoreCarryA32BitLength) {
    const std::string shorter = write({{"", "", "", "", std::string(65534, 'n')}}, "pw");
    const std::string longer = write({{"", "", "", "", std::string(65535, 'n')}}, "pw");
    EXPECT_EQ(shorter.size(), 259u + 40 + 65534);
    EXPECT_EQ(longer.size(), 259u + 40 + 65535 + 4);
    // Notes is the last column: its length, its data, a three-element list (34
    // bytes), then start and step (16 bytes) end the file.
    const std::size_t at = longer.size() - 16 - 34 - 65535 - 6;
    EXPECT_EQ(longer.substr(at, 6), le16(0xFFFF) + le32(65535));
    const std::size_t shortAt = shorter.size() - 16 - 34 - 65534 - 2;
    EXPECT_EQ(shorter.substr(shortAt, 2), le16(65534));
}

TEST(AccountFileLayout, ColumnsOfEmptyValuesHaveEmptyTextsAndZeroEnds) {
    const std::vector<Account> accounts(3, Account{"name", "", "", "", ""});
    const auto parts = test::referenceParts(accounts, "pw", 41, kDraws);
    EXPECT_EQ(parts.columns[static_cast<int>(Field::Url)].data, "");
    EXPECT_EQ(parts.columns[static_cast<int>(Field::Url)].ends, std::vector<double>(5, 0));
    EXPECT_EQ(write(accounts, "pw"), parts.bytes());
}

TEST(Code255, IsFoundInAnyField) {
    EXPECT_FALSE(holdsCode255({}));
    EXPECT_FALSE(holdsCode255({{"a", "b", "\xFE", "d", "e"}}));
    for (int f = 0; f < 5; ++f) {
        Account a{"a", "b", "c", "d", "e"};
        a.field(static_cast<Field>(f)) += '\xFF';
        EXPECT_TRUE(holdsCode255({Account{}, a})) << f;
    }
}

} // namespace
} // namespace lb
