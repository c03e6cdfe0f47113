// lockerbook-cli as a script uses it: the password and JSON on standard
// input, the account file on disk, JSON or a message back, and the exit status.

#include "account_files.h"
#include "core/account_file.h"
#include "core/account_json.h"
#include "core/classic_file.h"
#include "disk.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace lb::test {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class Cli : public ::testing::Test {
protected:
    // The built lockerbook-cli, run in the folder by the shell as a script would
    // run it.
    CliRun run(const std::vector<std::string>& arguments, const std::string& input) {
        const auto quoted = [](const std::string& text) { return "'" + text + "'"; };
        writeBytes(folder / ".in", input);
        std::string command = "cd " + quoted(folder.path()) + " && " + quoted(LOCKERBOOK_CLI);
        for (const std::string& argument : arguments) {
            command += " " + quoted(argument);
        }
        const int status = std::system((command + " <.in >.out 2>.err").c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes(folder / ".out"),
                readBytes(folder / ".err")};
    }
    TempFolder folder;
};

// Accounts as a script would give them, with identities and times of their own.
std::vector<Account> dated(std::vector<Account> accounts) {
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        accounts[i].id = newAccountId();
        accounts[i].created = 1'700'000'000'000 + static_cast<Timestamp>(i);
        accounts[i].modified = accounts[i].created + 1;
    }
    return accounts;
}

TEST_F(Cli, CreateThenDumpGivesBackTheSameAccountsInEveryScriptAndSize) {
    const std::vector<Account> many(5000, {"Account", "\u043f\u043e\u043b\u044c", "pw\u00e9",
                                           "https://example.org/", std::string(500, 'n')});
    std::vector<Account> world = sampleAccounts();
    world.push_back({"\u042f\u043d\u0434\u0435\u043a\u0441 \u041f\u043e\u0447\u0442\u0430",
                     "\u674e\u5c0f\u9f99", "\u00ff\u0142\u00f3d\u017a", "\u05e9\u05dc\u05d5\u05dd",
                     "\U0001F3AE e\u0301"});
    int n = 0;
    for (const auto& accounts : {dated(world), dated(many), std::vector<Account>{}}) {
        const std::string json = accountsToJson(accounts, {});
        const std::string path = folder / ("a" + std::to_string(++n) + ".lockbk");
        ASSERT_EQ(run({"create", path}, "\u043f\u0430\u0440\u043e\u043b\u044c\n" + json).status, 0);
        EXPECT_EQ(fileKindOf(readBytes(path)), FileKind::Sealed);
        const CliRun dump = run({"dump", path}, "\u043f\u0430\u0440\u043e\u043b\u044c\r\n");
        EXPECT_EQ(dump.status, 0);
        EXPECT_TRUE(dump.out == json) << dump.out.substr(0, 300);
        EXPECT_EQ(dump.err, "");
    }
}

TEST_F(Cli, AnExistingFileIsReplacedOnlyWithForceAndKeepsItsRemovals) {
    const std::vector<Account> accounts = dated(sampleAccounts());
    const std::string json = accountsToJson(accounts, {});
    for (const char* existing : {"existing.lockbk", "notes.txt"}) {
        writeBytes(folder / existing, "keep me");
        for (const std::vector<std::string>& command :
             {std::vector<std::string>{"create", folder / existing},
              std::vector<std::string>{"import", folder / existing, "auto", folder / "none.csv"}}) {
            const CliRun r = run(command, "pw\n" + json);
            EXPECT_EQ(r.status, 1);
            EXPECT_NE(r.err.find("--force"), std::string::npos) << r.err;
            EXPECT_EQ(readBytes(folder / existing), "keep me");
        }
    }
    ASSERT_EQ(run({"create", folder / "f.lockbk"}, "pw\n" + json).status, 0);
    // A script leaves out the first account and changes the second.
    std::vector<Account> edited(accounts.begin() + 1, accounts.end());
    edited[0].notes = "changed by a script";
    ASSERT_EQ(
        run({"create", "--force", folder / "f.lockbk"}, "pw\n" + accountsToJson(edited, {})).status,
        0);
    const DecodeResult r = decodeAccountFile(readBytes(folder / "f.lockbk"), "pw");
    ASSERT_EQ(r.removals.size(), 1u);
    EXPECT_EQ(r.removals[0].id, accounts[0].id);
    EXPECT_EQ(r.removals[0].version, accounts[0].modified);
    EXPECT_GT(r.accounts[0].modified, accounts[1].modified);
    EXPECT_EQ(r.accounts[0].history, std::vector<Timestamp>{accounts[1].modified});
}

TEST_F(Cli, UsageErrorsExitWith1AndWriteNothing) {
    const struct {
        std::vector<std::string> arguments;
        std::string input;
        const char* said;
    } rows[] = {
        {{}, "pw\n", "Usage:"},
        {{"create", "x", "y"}, "pw\n", "Usage:"},
        {{"merge", "x"}, "pw\n", "Usage:"},
        {{"create", "x"}, "pw\n{\"accounts\":[}", "not valid"},
        {{"create", "x"}, "\n{\"accounts\":[]}", "master password"},
        {{"create", "x"}, "", "master password"},
        {{"create", "x"}, "\xE4\xB8\n{\"accounts\":[]}", "not valid UTF-8"},
        // What the legacy format cannot hold: in the master password, in a field.
        {{"create", "--legacy", "x"}, "\xE4\xB8\xAD\n{\"accounts\":[]}", "password holds U+4E2D"},
        {{"create", "--legacy", "x"},
         "pw\n{\"accounts\":[{},{\"notes\":\"\xC3\xBF\"}]}",
         "account 2 \"\", notes: U+00FF"},
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
        {"old, cut", old.substr(0, 300), "pw", 5,
         "There was an unexpected error (number 1011) while reading the file.\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        writeBytes(folder / "f.lockbk", row.bytes);
        const CliRun r = run({"dump", folder / "f.lockbk"}, std::string(row.password) + "\n");
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.err, row.message);
        EXPECT_EQ(r.out, "");
    }
    const CliRun unwritable =
        run({"create", folder / "no/folder/a.lockbk"}, "pw\n{\"accounts\":[]}");
    EXPECT_EQ(unwritable.status, 5);
    EXPECT_NE(unwritable.err.find(") while saving the file."), std::string::npos);
}

TEST_F(Cli, MergeSaysWhatItTookAndWritesFileInItsOwnKindOnlyWhenEveryFileMerged) {
    const std::vector<Account> sample = sampleAccounts();
    const std::string classic = classicFile(sample, "pw");
    std::string foreign = classic;
    foreign[2] = 'l';
    const std::vector<Account> cyrillic =
        dated({{"\u041f\u043e\u0447\u0442\u0430", "", "", "", ""}});
    const std::string sealed = sealedFile(sample, "pw");
    const struct {
        std::string file; // FILE's bytes; no FILE when empty
        std::vector<std::string> others;
        std::string input;
        int status;
        const char* said;
    } rows[] = {
        {sealed, {sealedFile(sample, "other")}, "pw\nwrong\n", 4, "Wrong password."},
        // A legacy FILE cannot keep Cyrillic.
        {classic,
         {sealedFile(cyrillic, "pw")},
         "pw\npw\n",
         1,
         "account 4 \"\u041f\u043e\u0447\u0442\u0430\", name: U+041F"},
        {classic, {classic, foreign}, "pw\npw\npw\n", 2, "does not appear to be a Lockerbook file"},
        {"", {classic}, "pw\npw\n", 5, "No such file"},
    };
    const std::string file = folder / "file.lockbk";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.said);
        std::filesystem::remove(file);
        if (!row.file.empty()) {
            writeBytes(file, row.file);
        }
        std::vector<std::string> arguments = {"merge", file};
        for (const std::string& other : row.others) {
            arguments.push_back(folder / ("other" + std::to_string(arguments.size())));
            writeBytes(arguments.back(), other);
        }
        const CliRun r = run(arguments, row.input);
        EXPECT_EQ(r.status, row.status);
        EXPECT_NE(r.err.find(row.said), std::string::npos) << r.err;
        EXPECT_EQ(readBytes(file), row.file);
    }
    std::vector<Account> more = sample;
    more.push_back({"Wiki", "al", "w", "", ""});
    writeBytes(file, classic);
    writeBytes(folder / "old.txt", legacyFile(more, "old pw"));
    const CliRun r = run({"merge", file, folder / "old.txt"}, "pw\nold pw\n");
    ASSERT_EQ(r.status, 0);
    const std::string old = folder / "old.txt";
    EXPECT_EQ(r.err, "Merged " + old + ": 1 account from " + old + ".\n");
    const std::string merged = readBytes(file);
    EXPECT_EQ(fileKindOf(merged), FileKind::Classic);
    EXPECT_EQ(decodeAccountFile(merged, "pw").accounts, more);
    // Sealed at more than this program's cost, a file keeps its cost.
    const KdfCost dearer{kDefaultKdfCost.passes + 1, kDefaultKdfCost.memoryKiB};
    writeBytes(file, encodeSealedFile(sample, {}, "pw", dearer));
    ASSERT_EQ(run({"merge", file, folder / "old.txt"}, "pw\nold pw\n").status, 0);
    EXPECT_EQ(sealedCostOf(readBytes(file)), dearer);
}

} // namespace
} // namespace lb::test
