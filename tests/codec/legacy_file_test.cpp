// The old text format: its decipher and verifier, the record walk, and every
// way an old file can be refused or found damaged.

#include "legacy_file_maker.h"
#include "store/account_file.h"
#include "store/legacy_file.h"
#include "store/legacy_verifiers.h"
#include "store/program_errors.h"

#include <gtest/gtest.h>
#include <set>

namespace lb {
namespace {

std::vector<Account> sampleTable() {
    return {{"Mail", "jane", "hunter2", "https://mail.example.org", "first"},
            {"", "", "", "", ""},
            {"Caf\xE9", "\x80uro", "p\xE4ss", "ftp://x", std::string(254, 'n')}};
}

int errorNumber(ProgramError e) {
    return programError(e).number;
}

void expectDamaged(const std::string& file, ProgramError error) {
    const LegacyResult r = readLegacyFile(file, "pw");
    EXPECT_EQ(r.outcome, LegacyOutcome::Damaged);
    EXPECT_TRUE(r.accounts.empty());
    EXPECT_EQ(r.errorNumber, errorNumber(error));
}

TEST(LegacyDecipher, SubtractsTheAverageCodeHalvesToEven) {
    // "ab" averages 97.5 and gives 98; "bc" averages 98.5 and gives 98 as well.
    EXPECT_EQ(LegacyDecipher("z", "ab"), std::string(1, 'z' - 98));
    EXPECT_EQ(LegacyDecipher("z", "bc"), std::string(1, 'z' - 98));
    // "ac" averages 98 exactly; "abd" 98.33 gives 98; "abf" 99 exactly.
    EXPECT_EQ(LegacyDecipher("z", "ac"), std::string(1, 'z' - 98));
    EXPECT_EQ(LegacyDecipher("z", "abd"), std::string(1, 'z' - 98));
    EXPECT_EQ(LegacyDecipher("z", "abf"), std::string(1, 'z' - 99));
    // "ae" averages 99 exactly, "ad" 98.5 gives 98, "af" 99.5 gives 100.
    EXPECT_EQ(LegacyDecipher("z", "ad"), std::string(1, 'z' - 98));
    EXPECT_EQ(LegacyDecipher("z", "af"), std::string(1, 'z' - 100));
}

TEST(LegacyDecipher, AddsBack255OnceBelowZero) {
    EXPECT_EQ(LegacyDecipher("a", "b"), "\xFE"); // 97 - 98 = -1 + 255 = 254
    EXPECT_EQ(LegacyDecipher(std::string(1, '\0'), "\xFF"), std::string(1, '\0'));
    EXPECT_EQ(LegacyDecipher("\xFF", ""), "\xFF") << "the empty password averages 0";
    EXPECT_EQ(LegacyDecipher("abc", "a").size(), 3u);
}

TEST(LegacyVerifier, AcceptsExactlyTheFortyTexts) {
    EXPECT_EQ(kLegacyVerifierS1.size(), 6u);
    EXPECT_EQ(kLegacyVerifierS2.size(), 6u);
    std::set<std::string> accepted;
    for (std::string_view t : kLegacyVerifierTexts) {
        ASSERT_EQ(t.size(), 8u);
        for (char c : t) {
            ASSERT_TRUE(c > ' ' && c < 0x7F) << t;
        }
        accepted.insert(std::string(t) + std::string(kLegacyVerifierS1));
        accepted.insert(std::string(kLegacyVerifierS2) + std::string(t));
    }
    ASSERT_EQ(accepted.size(), 40u);
    for (const std::string& v : accepted) {
        EXPECT_TRUE(IsLegacyVerifier(v)) << v;
    }
    const std::string first(kLegacyVerifierTexts[0]);
    EXPECT_FALSE(IsLegacyVerifier(first + std::string(kLegacyVerifierS2)));
    EXPECT_FALSE(IsLegacyVerifier(std::string(kLegacyVerifierS1) + first));
    EXPECT_FALSE(IsLegacyVerifier(first + std::string(kLegacyVerifierS1) + "x"));
    EXPECT_FALSE(IsLegacyVerifier(first + std::string(kLegacyVerifierS1).substr(1)));
    std::string otherCase = first + std::string(kLegacyVerifierS1);
    otherCase[0] ^= 0x20;
    EXPECT_FALSE(IsLegacyVerifier(otherCase));
    EXPECT_FALSE(IsLegacyVerifier(""));
}

TEST(LegacyField, TakesAsManyCharactersAsTheLengthCharacterSays) {
    EXPECT_EQ(LegacyField(std::string(1, '\0') + "abc"), "");
    EXPECT_EQ(LegacyField("\x03"
                          "abcdef"),
              "abc");
    std::string full(1, '\xFF');
    full += std::string(255, 'q');
    EXPECT_EQ(LegacyField(full), std::string(255, 'q'));
    EXPECT_EQ(LegacyField(""), "");
    EXPECT_EQ(LegacyField("\x09"
                          "ab"),
              "ab")
        << "a short text gives what it has";
}

TEST(ReadLegacyFile, ReadsTheAccountsInFileOrder) {
    const auto accounts = sampleTable();
    for (std::string_view password : {"pw", "ab", "a much longer master password"}) {
        const LegacyResult r = readLegacyFile(test::makeLegacyFile(accounts, password), password);
        ASSERT_EQ(r.outcome, LegacyOutcome::Read) << password;
        EXPECT_EQ(r.accounts, accounts);
    }
}

TEST(ReadLegacyFile, AcceptsBothVerifierForms) {
    const auto accounts = sampleTable();
    for (std::string_view t : {kLegacyVerifierTexts[7], kLegacyVerifierTexts[19]}) {
        test::LegacyFileText text;
        text.verifier = std::string(kLegacyVerifierS2) + std::string(t);
        EXPECT_EQ(readLegacyFile(test::makeLegacyFile(accounts, "pw", text), "pw").accounts,
                  accounts);
        text.verifier = std::string(t) + std::string(kLegacyVerifierS1);
        EXPECT_EQ(readLegacyFile(test::makeLegacyFile(accounts, "pw", text), "pw").accounts,
                  accounts);
    }
}

TEST(ReadLegacyFile, NoAccountsWithAValidVerifierIsAnEmptyTable) {
    const LegacyResult r = readLegacyFile(test::makeLegacyFile({}, "pw"), "pw");
    EXPECT_EQ(r.outcome, LegacyOutcome::Read);
    EXPECT_TRUE(r.accounts.empty());
}

TEST(ReadLegacyFile, ASlotWhoseLengthIs255UsesTheWholeSlot) {
    // Only a password averaging 0 can give back code 255 as the length character.
    const std::string password(1, '\0');
    const std::vector<Account> accounts = {{std::string(255, 'w'), "", "", "", ""}};
    const LegacyResult r = readLegacyFile(test::makeLegacyFile(accounts, password), password);
    ASSERT_EQ(r.outcome, LegacyOutcome::Read);
    EXPECT_EQ(r.accounts, accounts);
}

TEST(ReadLegacyFile, AWrongPasswordFailsTheVerifier) {
    const std::string file = test::makeLegacyFile(sampleTable(), "pw");
    // "px" averages 116 like "pw" (115.5 rounds to even) and so opens the file.
    EXPECT_EQ(readLegacyFile(file, "px").outcome, LegacyOutcome::Read);
    for (std::string_view wrong : {"pv", "PW", "", "pw pw"}) {
        const LegacyResult r = readLegacyFile(file, wrong);
        EXPECT_EQ(r.outcome, LegacyOutcome::WrongPassword) << wrong;
        EXPECT_TRUE(r.accounts.empty());
    }
    test::LegacyFileText text;
    text.verifier = "not a verifier";
    EXPECT_EQ(readLegacyFile(test::makeLegacyFile({}, "pw", text), "pw").outcome,
              LegacyOutcome::WrongPassword);
}

TEST(ReadLegacyFile, ASignaturePrecededBySpacesIsNotAnAccountFile) {
    const std::string file = "  " + test::makeLegacyFile(sampleTable(), "pw");
    EXPECT_TRUE(isOldFormat(file)) << "the format test trims spaces";
    EXPECT_EQ(readLegacyFile(file, "pw").outcome, LegacyOutcome::NotAccountFile);
    EXPECT_EQ(readLegacyFile("Lockerboo", "pw").outcome, LegacyOutcome::NotAccountFile);
}

TEST(ReadLegacyFile, ACountLineWithoutAWholeNumberFrom0To32767IsDamaged) {
    for (const char* line :
         {"Number Of Accounts: ", "Number Of Accounts: three", "Number Of Accounts: -1",
          "Number Of Accounts: 32768", "Number Of Accounts: 1.5", "Number Of Accounts: 99999999999",
          "Accounts: 3"}) {
        test::LegacyFileText text;
        text.countLine = line;
        expectDamaged(test::makeLegacyFile(sampleTable(), "pw", text),
                      ProgramError::BadLegacyAccountCount);
    }
}

TEST(ReadLegacyFile, TheCountLineMayCarrySpacesAndTheLabelTwice) {
    test::LegacyFileText text;
    text.countLine = "Number Of Accounts:  +2 Number Of Accounts: ";
    const LegacyResult r = readLegacyFile(test::makeLegacyFile(sampleTable(), "pw", text), "pw");
    ASSERT_EQ(r.outcome, LegacyOutcome::Read);
    EXPECT_EQ(r.accounts.size(), 2u) << "the walk reads only as many records as the count says";
}

TEST(ReadLegacyFile, ACountBeyondTheRecordsIsDamaged) {
    test::LegacyFileText text;
    text.countLine = "Number Of Accounts: 32767";
    expectDamaged(test::makeLegacyFile(sampleTable(), "pw", text),
                  ProgramError::LegacyAccountsBeyondFile);
}

TEST(ReadLegacyFile, EveryTruncationIsDamaged) {
    const std::string file = test::makeLegacyFile(sampleTable(), "pw");
    for (std::size_t length = 0; length < file.size(); ++length) {
        const std::string cut = file.substr(0, length);
        if (isOldFormat(cut)) {
            const LegacyResult r = readLegacyFile(cut, "pw");
            ASSERT_EQ(r.outcome, LegacyOutcome::Damaged) << "cut at " << length;
            EXPECT_GE(r.errorNumber, 1001);
            EXPECT_TRUE(r.accounts.empty());
        } else {
            // Too short even for the format test: the current-format reader finds it damaged.
            ASSERT_LT(length, 10u);
            EXPECT_EQ(readAccountFile(cut, "pw").outcome, ReadOutcome::Damaged);
        }
    }
}

} // namespace
} // namespace lb
