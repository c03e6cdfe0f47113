// Reading current-format files: round trips, the format test of the first
// line, and every refusal a person can meet (foreign file, newer version,
// wrong password, the near miss that only the CRC catches).

#include "fixed_draws.h"
#include "reference_file.h"
#include "store/account_file.h"
#include "store/cipher.h"

#include <gtest/gtest.h>

namespace lb {
namespace {

const test::ColumnDraws kDraws = {{{200, 21}, {1, 1}, {254, 20}, {128, 7}, {77, 13}}};

std::string write(const std::vector<Account>& accounts, std::string_view password, int check = 41) {
    test::FixedDraws random(check, kDraws);
    return writeAccountFile(accounts, password, random);
}

std::vector<Account> sampleTable() {
    return {{"Mail", "jane", "hunter2", "https://mail.example.org", "first"},
            {"Bank", "j.doe", "S3cret!", "", "PIN in the safe\r\nsecond line"},
            {"", "", "", "", ""},
            {"Caf\xE9", "\x80uro", "p\xE4ss", "ftp://x", "\x01\x02\x7F"}};
}

ReadResult read(const std::string& file, std::string_view password) {
    return readAccountFile(file, password);
}

TEST(ReadAccountFile, GivesBackWhatWasWrittenInTableOrder) {
    const auto accounts = sampleTable();
    const ReadResult r = read(write(accounts, "opensesame"), "opensesame");
    ASSERT_EQ(r.outcome, ReadOutcome::Read);
    EXPECT_EQ(r.accounts, accounts);
}

TEST(ReadAccountFile, AnEmptyTableReadsAsEmpty) {
    const ReadResult r = read(write({}, "x"), "x");
    EXPECT_EQ(r.outcome, ReadOutcome::Read);
    EXPECT_TRUE(r.accounts.empty());
}

TEST(ReadAccountFile, EveryCodeUpTo254SurvivesAnd255ComesBackAsZero) {
    std::string all;
    for (int c = 0; c < 256; ++c) {
        all += static_cast<char>(c);
    }
    std::string expected = all;
    expected[255] = '\0';
    // Many accounts, so the running shifts pass through every value.
    const std::vector<Account> accounts(300, Account{all, all, all, all, all});
    for (std::string_view password : {"a", "zz", "\xFF\xFF\xFF", "\x01"}) {
        const ReadResult r = read(write(accounts, password), password);
        ASSERT_EQ(r.outcome, ReadOutcome::Read) << password;
        for (const Account& a : r.accounts) {
            ASSERT_EQ(a, (Account{expected, expected, expected, expected, expected}));
        }
    }
}

TEST(ReadAccountFile, LongTextsRoundTrip) {
    std::vector<Account> accounts(5000, Account{"name", "user", "pass", "url", ""});
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        accounts[i].notes = std::string(500, static_cast<char>('a' + i % 26));
    }
    const ReadResult r = read(write(accounts, "pw"), "pw");
    ASSERT_EQ(r.outcome, ReadOutcome::Read);
    EXPECT_EQ(r.accounts, accounts);
    for (std::size_t length : {65534u, 65535u, 65536u}) {
        const std::vector<Account> one = {{"", std::string(length, 'u'), "", "", ""}};
        EXPECT_EQ(read(write(one, "pw"), "pw").accounts, one) << length;
    }
}

TEST(ReadAccountFile, PasswordsWithTheSameKeyOpenEachOthersFiles) {
    ASSERT_EQ(PasswordKey("hunter2"), PasswordKey("hunter3"));
    const auto accounts = sampleTable();
    const ReadResult r = read(write(accounts, "hunter2"), "hunter3");
    ASSERT_EQ(r.outcome, ReadOutcome::Read);
    EXPECT_EQ(r.accounts, accounts);
    // A key 255 higher reads every field correctly too: 97 + 127 + 127 + 1 = 97 + 255.
    const ReadResult far = read(write(accounts, "a"), "a\xFE\xFE\x02");
    ASSERT_EQ(far.outcome, ReadOutcome::Read);
    EXPECT_EQ(far.accounts, accounts);
}

TEST(ReadAccountFile, AFarWrongPasswordFailsTheCheckCharacter) {
    const ReadResult r = read(write(sampleTable(), "hunter2"), "letmein");
    EXPECT_EQ(r.outcome, ReadOutcome::WrongPassword);
    EXPECT_TRUE(r.accounts.empty());
}

TEST(ReadAccountFile, ANearMissPasswordIsCaughtByTheCrc) {
    // Keys one apart: the check character 41 comes back as 42, inside '&'..','.
    ASSERT_EQ(PasswordKey("hunter2") - PasswordKey("hunter1"), 1);
    const ReadResult r = read(write(sampleTable(), "hunter2"), "hunter1");
    EXPECT_EQ(r.outcome, ReadOutcome::WrongPassword);
    EXPECT_TRUE(r.accounts.empty());
}

TEST(ReadAccountFile, AFileWithoutTheMarkerReadsANearMissAsBeforeShiftedByOne) {
    const std::vector<Account> accounts = {{"Mail", "jane", "hunter", "example", "notes"}};
    auto parts = test::referenceParts(accounts, "hunter2", 41, kDraws);
    parts.reserved = std::string(8, '\0');
    const ReadResult right = read(parts.bytes(), "hunter2");
    ASSERT_EQ(right.outcome, ReadOutcome::Read);
    EXPECT_EQ(right.accounts, accounts);

    const ReadResult near = read(parts.bytes(), "hunter1");
    ASSERT_EQ(near.outcome, ReadOutcome::Read);
    ASSERT_EQ(near.accounts.size(), 1u);
    for (int f = 0; f < 5; ++f) {
        EXPECT_EQ(near.accounts[0].field(static_cast<Field>(f)),
                  ShiftText(accounts[0].field(static_cast<Field>(f)), 1));
    }
}

TEST(ReadAccountFile, ReservedBytesWithoutTheMarkerAreNeverLookedAt) {
    const auto accounts = sampleTable();
    auto parts = test::referenceParts(accounts, "pw", 40, kDraws);
    parts.reserved = "\x12\x34\x56\x78LBc2";
    const ReadResult r = read(parts.bytes(), "pw");
    ASSERT_EQ(r.outcome, ReadOutcome::Read);
    EXPECT_EQ(r.accounts, accounts);
}

TEST(ReadAccountFile, AChangedFieldUnderTheMarkerIsRefused) {
    auto parts = test::referenceParts(sampleTable(), "pw", 40, kDraws);
    parts.column(Field::Notes).data[0] ^= 1;
    EXPECT_EQ(read(parts.bytes(), "pw").outcome, ReadOutcome::WrongPassword);
}

TEST(ReadAccountFile, AForeignSignatureIsNotAnAccountFile) {
    auto parts = test::referenceParts(sampleTable(), "pw", 40, kDraws);
    for (const char* signature : {"lockerbook", "Lockerbool", "Lockerbook ", ""}) {
        parts.signature = signature;
        EXPECT_EQ(read(parts.bytes(), "pw").outcome, ReadOutcome::NotAccountFile) << signature;
    }
}

TEST(ReadAccountFile, ANewerFormatVersionIsRefusedBut60IsRead) {
    const auto accounts = sampleTable();
    auto parts = test::referenceParts(accounts, "pw", 40, kDraws);
    for (std::int32_t version : {7, 59, 61, 1000000}) {
        parts.formatVersion = version;
        EXPECT_EQ(read(parts.bytes(), "pw").outcome, ReadOutcome::NewerVersion) << version;
    }
    for (std::int32_t version : {60, 6, 5, 0, -3}) {
        parts.formatVersion = version;
        const ReadResult r = read(parts.bytes(), "pw");
        ASSERT_EQ(r.outcome, ReadOutcome::Read) << version;
        EXPECT_EQ(r.accounts, accounts);
    }
}

TEST(ReadAccountFile, TheProgramVersionIsNotLookedAt) {
    auto parts = test::referenceParts(sampleTable(), "pw", 40, kDraws);
    parts.programVersion = 99;
    EXPECT_EQ(read(parts.bytes(), "pw").outcome, ReadOutcome::Read);
}

TEST(ReadAccountFile, RefusalsComeBeforeTheBodyIsRead) {
    // A newer program may lay out its body differently: the version alone decides.
    auto parts = test::referenceParts(sampleTable(), "pw", 40, kDraws);
    parts.formatVersion = 7;
    EXPECT_EQ(read(parts.bytes().substr(0, 20), "pw").outcome, ReadOutcome::NewerVersion);
    parts.signature = "PNG";
    EXPECT_EQ(read(parts.bytes().substr(0, 13), "pw").outcome, ReadOutcome::NotAccountFile);
}

TEST(IsOldFormat, LooksAtTheFirstLineTrimmedOfSpaces) {
    EXPECT_TRUE(isOldFormat("Lockerbook\r\nrest"));
    EXPECT_TRUE(isOldFormat("   Lockerbook  \r\n"));
    EXPECT_TRUE(isOldFormat("Lockerbook\nrest"));
    EXPECT_TRUE(isOldFormat("Lockerbook"));
    EXPECT_FALSE(isOldFormat("lockerbook\r\n"));
    EXPECT_FALSE(isOldFormat("Lockerbook2\r\n"));
    EXPECT_FALSE(isOldFormat("\tLockerbook\r\n"));
    EXPECT_FALSE(isOldFormat("\r\nLockerbook\r\n"));
    EXPECT_FALSE(isOldFormat(""));
    EXPECT_FALSE(isOldFormat("   "));
}

TEST(IsOldFormat, NeverMatchesACurrentFormatFile) {
    EXPECT_FALSE(isOldFormat(write({}, "pw")));
    EXPECT_FALSE(isOldFormat(write(sampleTable(), "pw")));
}

} // namespace
} // namespace lb
