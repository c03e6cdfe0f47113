// The old text format: its decipher and verifier, the record walk, and every
// way an old file can be refused or found damaged.

#include "account_files.h"
#include "core/legacy_file.h"
#include "core/legacy_verifiers.h"
#include "core/program_errors.h"

#include <gtest/gtest.h>

namespace lb {
namespace {

using test::legacyFile;
using test::LegacyFileText;

std::vector<Account> sampleTable() {
    return {{"Mail", "jane", "hunter2", "https://mail.example.org", "first"},
            {"", "", "", "", ""},
            {"Caf\u00e9", "\u20acuro", "p\u00e4ss", "ftp://x", std::string(254, 'n')}};
}

TEST(LegacyDecipher, SubtractsTheAverageCodeHalvesToEvenAndWrapsOnceBelowZero) {
    const struct {
        std::string password;
        int average;
    } rows[] = {{"ab", 98}, {"bc", 98}, {"ac", 98},  {"abd", 98}, {"abf", 99},
                {"ae", 99}, {"ad", 98}, {"af", 100}, {"", 0}};
    for (const auto& row : rows) {
        EXPECT_EQ(LegacyDecipher("\xC8", row.password), std::string(1, char(200 - row.average)))
            << row.password;
    }
    EXPECT_EQ(LegacyDecipher("\x05", "d"), std::string(1, static_cast<char>(5 - 100 + 255)));
}

TEST(DecodeLegacyFile, ReadsTheAccountsUnderEitherVerifierForm) {
    const auto accounts = sampleTable();
    const std::string_view longer = "a much longer master password";
    EXPECT_EQ(decodeLegacyFile(legacyFile(accounts, longer), longer).accounts, accounts);
    // The old program chose one of forty verifiers: any of twenty texts, before
    // or after its mark.
    LegacyFileText text;
    for (std::string_view t : kLegacyVerifierTexts) {
        for (const std::string& verifier : {std::string(t) + std::string(kLegacyVerifierS1),
                                            std::string(kLegacyVerifierS2) + std::string(t)}) {
            text.verifier = verifier;
            EXPECT_EQ(decodeLegacyFile(legacyFile(accounts, "pw", text), "pw").accounts, accounts)
                << verifier;
        }
    }
    const DecodeResult none = decodeLegacyFile(legacyFile({}, "pw"), "pw");
    EXPECT_EQ(none.outcome, DecodeOutcome::Read);
    EXPECT_TRUE(none.accounts.empty());
    // Only a password averaging 0 gives back code 255 as the length character.
    const std::string zero(1, '\0');
    const std::vector<Account> full = {{std::string(255, 'w'), "", "", "", ""}};
    EXPECT_EQ(decodeLegacyFile(legacyFile(full, zero), zero).accounts, full);
    text = {};
    text.countLine = "Number Of Accounts:  +2 Number Of Accounts: ";
    EXPECT_EQ(decodeLegacyFile(legacyFile(accounts, "pw", text), "pw").accounts.size(), 2u);
}

TEST(DecodeLegacyFile, RefusesWrongPasswordsAndForeignFiles) {
    const std::string file = legacyFile(sampleTable(), "pw");
    // "px" averages 116 like "pw" (115.5 rounds to even) and so opens the file.
    EXPECT_EQ(decodeLegacyFile(file, "px").outcome, DecodeOutcome::Read);
    for (std::string_view wrong : {"pv", "PW", "", "pw pw"}) {
        EXPECT_EQ(decodeLegacyFile(file, wrong).outcome, DecodeOutcome::WrongPassword) << wrong;
    }
    // A text with the other mark, its halves swapped or one letter in the other
    // case is no verifier.
    const std::string first(kLegacyVerifierTexts[0]);
    LegacyFileText text;
    for (const std::string& verifier :
         {first + std::string(kLegacyVerifierS2), std::string(kLegacyVerifierS1) + first,
          std::string(1, static_cast<char>(first[0] ^ 0x20)) + first.substr(1) +
              std::string(kLegacyVerifierS1)}) {
        text.verifier = verifier;
        EXPECT_EQ(decodeLegacyFile(legacyFile({}, "pw", text), "pw").outcome,
                  DecodeOutcome::WrongPassword)
            << verifier;
    }
    // The format test trims spaces; the signature test does not.
    EXPECT_TRUE(isLegacyFile("  " + file));
    EXPECT_EQ(decodeLegacyFile("  " + file, "pw").outcome, DecodeOutcome::NotAccountFile);
    EXPECT_FALSE(isLegacyFile(test::classicFile(sampleTable(), "pw")));
    EXPECT_FALSE(isLegacyFile("Lockerbook2\r\n"));
}

TEST(DecodeLegacyFile, DamagedFilesGiveTheirNumberWithoutADescription) {
    const struct {
        const char* countLine;
        ProgramError error;
    } rows[] = {
        {"Number Of Accounts: ", ProgramError::BadLegacyAccountCount},
        {"Number Of Accounts: -1", ProgramError::BadLegacyAccountCount},
        {"Number Of Accounts: 32768", ProgramError::BadLegacyAccountCount},
        {"Accounts: 3", ProgramError::BadLegacyAccountCount},
        {"Number Of Accounts: 32767", ProgramError::LegacyAccountsBeyondFile},
    };
    for (const auto& row : rows) {
        LegacyFileText text;
        text.countLine = row.countLine;
        const DecodeResult r = decodeLegacyFile(legacyFile(sampleTable(), "pw", text), "pw");
        EXPECT_EQ(r.outcome, DecodeOutcome::Damaged) << row.countLine;
        EXPECT_EQ(r.error.number, programError(row.error).number) << row.countLine;
        EXPECT_TRUE(r.error.description.empty());
    }
    const std::string file = legacyFile(sampleTable(), "pw");
    for (std::size_t length = 12; length < file.size(); ++length) {
        const DecodeResult r = decodeLegacyFile(file.substr(0, length), "pw");
        ASSERT_EQ(r.outcome, DecodeOutcome::Damaged) << "cut at " << length;
        EXPECT_TRUE(r.accounts.empty());
    }
}

} // namespace
} // namespace lb
