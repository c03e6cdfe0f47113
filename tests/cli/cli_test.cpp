// lockerbook-cli as a script uses it: the password and JSON on standard
// input, the account file on disk, JSON or a message back, and the exit status.

#include "account_files.h"
#include "cli_runner.h"
#include "core/account_file.h"
#include "core/account_json.h"
#include "disk.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace lb::test {
namespace {

class Cli : public ::testing::Test {
protected:
    CliRun run(const std::vector<std::string>& arguments, const std::string& input) {
        return runCli(folder.path(), arguments, input);
    }
    TempFolder folder;
};

TEST_F(Cli, CreateThenDumpGivesBackTheSameAccountsOfEveryKindAndSize) {
    std::vector<Account> many(5000);
    for (std::size_t i = 0; i < many.size(); ++i) {
        many[i] = {"Account " + std::to_string(i), "user", "pw\xE9" + std::to_string(i * 7919),
                   "https://example.org/" + std::to_string(i),
                   std::string(500, static_cast<char>('a' + i % 26))};
    }
    for (const auto& accounts : {sampleAccounts(), many, std::vector<Account>{}}) {
        const std::string json = accountsToJson(accounts);
        ASSERT_EQ(run({"create", folder / "a.lockbk"}, "pa\xC3\x9F\n" + json).status, 0);
        // Sealed, under the Windows-1252 bytes of the password.
        const std::string file = readBytes(folder / "a.lockbk");
        EXPECT_EQ(fileKindOf(file), FileKind::Sealed);
        EXPECT_EQ(decodeAccountFile(file, "pa\xDF").accounts, accounts);
        const CliRun dump = run({"dump", folder / "a.lockbk"}, "pa\xC3\x9F\r\n");
        EXPECT_EQ(dump.status, 0);
        EXPECT_EQ(dump.out, json);
        EXPECT_EQ(dump.err, "");
    }
    writeBytes(folder / "old.lockbk", legacyFile(sampleAccounts(), "pw"));
    EXPECT_EQ(run({"dump", folder / "old.lockbk"}, "pw\n").out, accountsToJson(sampleAccounts()));
}

TEST_F(Cli, UsageErrorsExitWith1AndWriteNothing) {
    const struct {
        std::vector<std::string> arguments;
        std::string input;
        const char* said;
    } rows[] = {
        {{}, "pw\n", "Usage:"},
        {{"list"}, "pw\n", "Usage:"},
        {{"dump"}, "pw\n", "Usage:"},
        {{"create", "x", "y"}, "pw\n", "Usage:"},
        {{"create", "x"}, "pw\n{\"accounts\":[}", "not valid"},
        {{"create", "x"}, "\n{\"accounts\":[]}", "master password"},
        {{"create", "x"}, "", "master password"},
        {{"create", "x"}, "\xE4\xB8\xAD\n{\"accounts\":[]}", "cannot store"},
        {{"create", "x"}, "pw\n{\"accounts\":[{\"name\":\"\xE4\xB8\xAD\"}]}", "cannot store"},
        {{"create", "x"},
         "pw\n{\"accounts\":[{},{\"notes\":\"\xC3\xBF\"}]}",
         "Account 2 (\"\"), \"notes\": the character \xC3\xBF (code 255)"},
    };
    for (const auto& row : rows) {
        const CliRun r = run(row.arguments, row.input);
        EXPECT_EQ(r.status, 1) << row.input;
        EXPECT_NE(r.err.find(row.said), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "x"));
}

TEST_F(Cli, EachRefusalHasItsOwnStatusAndTheWindowProgramsMessage) {
    const std::string file = classicFile(sampleAccounts(), "secret");
    std::string newer = file;
    newer[16] = 7; // FormatVersion
    std::string foreign = file;
    foreign[2] = 'l';
    const std::string old = legacyFile(sampleAccounts(), "pw");
    const struct {
        const char* name;
        std::string bytes;
        const char* password;
        int status;
        std::string message;
    } rows[] = {
        {"wrong password", file, "wrong one", 4, "Wrong password.\n"},
        {"newer", newer, "secret", 3,
         "This file is in a version higher than this program can read. For updates to "
         "Lockerbook, check https://lockerbook.example.org/.\n"},
        {"foreign", foreign, "secret", 2,
         "The file does not appear to be a Lockerbook file. It could not be opened.\n"},
        {"cut", file.substr(0, 100), "secret", 5,
         "There was an unexpected error (number 1004, a list in the file claims more entries "
         "than the file holds) while reading the file.\n"},
        {"old, wrong password", old, "nope", 4, "Wrong password.\n"},
        {"old, cut", old.substr(0, 300), "pw", 5,
         "There was an unexpected error (number 1011) while reading the file.\n"},
        {"old, spaced signature", "  Lockerbook\r\n", "pw", 2,
         "The file does not appear to be a Lockerbook file. It could not be opened.\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        writeBytes(folder / "f.lockbk", row.bytes);
        const CliRun r = run({"dump", folder / "f.lockbk"}, std::string(row.password) + "\n");
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.err, row.message);
        EXPECT_EQ(r.out, "");
    }
    const CliRun missing = run({"dump", folder / "missing.lockbk"}, "secret\n");
    EXPECT_EQ(missing.status, 5);
    EXPECT_EQ(missing.err, "There was an unexpected error (number 2, No such file or directory) "
                           "while reading the file.\n");
    const CliRun unwritable =
        run({"create", folder / "no/folder/a.lockbk"}, "pw\n{\"accounts\":[]}");
    EXPECT_EQ(unwritable.status, 5);
    EXPECT_NE(unwritable.err.find(") while saving the file."), std::string::npos);
}

} // namespace
} // namespace lb::test
