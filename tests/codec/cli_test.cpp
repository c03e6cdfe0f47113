// lockerbook-cli as a script uses it: the password and JSON on standard
// input, the account file on disk, JSON or a message back, and the exit status.

#include "cli/account_json.h"
#include "legacy_file_maker.h"
#include "store/account_file.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace lb {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/lockerbook-cli-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string path(const std::string& name) const { return dir_ + "/" + name; }

    CliRun run(const std::vector<std::string>& arguments, const std::string& input) {
        writeFile(path("stdin"), input);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, path("stdin").c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, path("stdout").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, path("stderr").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        std::vector<std::string> all = {LOCKERBOOK_CLI};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& a : all) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        pid_t pid = 0;
        CliRun result;
        if (posix_spawn(&pid, LOCKERBOOK_CLI, &actions, nullptr, argv.data(), environ) == 0) {
            int wstatus = 0;
            waitpid(pid, &wstatus, 0);
            result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        result.out = readFile(path("stdout"));
        result.err = readFile(path("stderr"));
        return result;
    }

    std::string dir_;
};

std::vector<Account> manyAccounts(std::size_t count, std::size_t notesLength) {
    std::vector<Account> accounts(count);
    for (std::size_t i = 0; i < count; ++i) {
        accounts[i] = {"Account " + std::to_string(i), "user" + std::to_string(i % 97),
                       "pw\xE9" + std::to_string(i * 7919),
                       "https://example.org/" + std::to_string(i),
                       std::string(notesLength, static_cast<char>('a' + i % 26))};
    }
    return accounts;
}

TEST_F(Cli, CreateThenDumpGivesBackTheSameJson) {
    const std::string json = cli::accountsToJson(
        {{"Caf\xE9", "\x80uro", "p\"w", "", "two\r\nlines"}, {}, {"\x01", "\\", "/", "\t", "x"}});
    ASSERT_EQ(run({"create", path("a.lockbk")}, "s\xC3\xA9same\n" + json).status, 0);
    const CliRun dump = run({"dump", path("a.lockbk")}, "s\xC3\xA9same\n");
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(dump.out, json);
    EXPECT_EQ(dump.err, "");
}

TEST_F(Cli, TheFileIsTheCurrentFormatUnderTheWindows1252Password) {
    const std::vector<Account> accounts = {{"name", "user", "pass", "url", "notes"}};
    ASSERT_EQ(
        run({"create", path("a.lockbk")}, "p\xC3\xA4ss\r\n" + cli::accountsToJson(accounts)).status,
        0);
    const ReadResult r = readAccountFile(readFile(path("a.lockbk")), "p\xE4ss");
    ASSERT_EQ(r.outcome, ReadOutcome::Read);
    EXPECT_EQ(r.accounts, accounts);
}

TEST_F(Cli, RoundTrips5000AccountsWith500CharacterNotes) {
    const std::string json = cli::accountsToJson(manyAccounts(5000, 500));
    ASSERT_EQ(run({"create", path("big.lockbk")}, "pw\n" + json).status, 0);
    const CliRun dump = run({"dump", path("big.lockbk")}, "pw\n");
    ASSERT_EQ(dump.status, 0) << dump.err;
    EXPECT_TRUE(dump.out == json);
}

TEST_F(Cli, RoundTrips100000Accounts) {
    const std::string json = cli::accountsToJson(manyAccounts(100000, 10));
    ASSERT_EQ(run({"create", path("huge.lockbk")}, "pw\n" + json).status, 0);
    const CliRun dump = run({"dump", path("huge.lockbk")}, "pw\n");
    ASSERT_EQ(dump.status, 0) << dump.err;
    EXPECT_TRUE(dump.out == json);
}

TEST_F(Cli, DumpsAnOldFormatFile) {
    const std::vector<Account> accounts = {{"Old", "user", "pass", "url", "notes"}};
    writeFile(path("old.lockbk"), test::makeLegacyFile(accounts, "pw"));
    const CliRun dump = run({"dump", path("old.lockbk")}, "pw\n");
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(dump.out, cli::accountsToJson(accounts));
}

TEST_F(Cli, UsageErrorsExitWith1AndWriteNothing) {
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{}, {"list"}, {"dump"}, {"create", "a", "b"}}) {
        const CliRun r = run(arguments, "pw\n");
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("Usage:"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(run({"create", path("x")}, "pw\n{\"accounts\":[}").status, 1);
    EXPECT_EQ(run({"create", path("x")}, "\n{\"accounts\":[]}").status, 1);
    EXPECT_EQ(run({"create", path("x")}, "").status, 1);
    EXPECT_EQ(run({"create", path("x")}, "\xE4\xB8\xAD\n{\"accounts\":[]}").status, 1);
    const CliRun bad =
        run({"create", path("x")}, "pw\n{\"accounts\":[{\"name\":\"\xE4\xB8\xAD\"}]}");
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("cannot store"), std::string::npos) << bad.err;
    EXPECT_FALSE(std::filesystem::exists(path("x")));
}

TEST_F(Cli, EachRefusalHasItsOwnStatusAndMessage) {
    ASSERT_EQ(run({"create", path("a.lockbk")}, "secret\n{\"accounts\":[{}]}").status, 0);
    const std::string file = readFile(path("a.lockbk"));

    const CliRun wrong = run({"dump", path("a.lockbk")}, "wrong one\n");
    EXPECT_EQ(wrong.status, 4);
    EXPECT_EQ(wrong.err, "Wrong password.\n");
    EXPECT_EQ(wrong.out, "");

    std::string newer = file;
    newer[16] = 7; // FormatVersion
    writeFile(path("newer.lockbk"), newer);
    const CliRun tooNew = run({"dump", path("newer.lockbk")}, "secret\n");
    EXPECT_EQ(tooNew.status, 3);
    EXPECT_NE(tooNew.err.find("in a version higher than this program can read"), std::string::npos);

    std::string foreign = file;
    foreign[2] = 'l';
    writeFile(path("foreign.lockbk"), foreign);
    const CliRun notOurs = run({"dump", path("foreign.lockbk")}, "secret\n");
    EXPECT_EQ(notOurs.status, 2);
    EXPECT_EQ(notOurs.err,
              "The file does not appear to be a Lockerbook file. It could not be opened.\n");

    writeFile(path("cut.lockbk"), file.substr(0, 100));
    const CliRun cut = run({"dump", path("cut.lockbk")}, "secret\n");
    EXPECT_EQ(cut.status, 5);
    EXPECT_NE(cut.err.find("There was an unexpected error (number 10"), std::string::npos);
    EXPECT_NE(cut.err.find(") while reading the file."), std::string::npos);

    const CliRun missing = run({"dump", path("missing.lockbk")}, "secret\n");
    EXPECT_EQ(missing.status, 5);
    EXPECT_NE(missing.err.find("(number 2, "), std::string::npos) << missing.err;

    for (const CliRun& r : {wrong, tooNew, notOurs, cut, missing}) {
        EXPECT_EQ(r.err.find("secret"), std::string::npos) << "the password never shows";
    }
}

TEST_F(Cli, OldFormatRefusals) {
    writeFile(path("old.lockbk"), test::makeLegacyFile({{"a", "b", "c", "d", "e"}}, "pw"));
    EXPECT_EQ(run({"dump", path("old.lockbk")}, "nope\n").status, 4);
    writeFile(path("cut.lockbk"),
              test::makeLegacyFile({{"a", "b", "c", "d", "e"}}, "pw").substr(0, 300));
    const CliRun cut = run({"dump", path("cut.lockbk")}, "pw\n");
    EXPECT_EQ(cut.status, 5);
    EXPECT_EQ(cut.err, "There was an unexpected error (number 1011) while reading the file.\n");
    writeFile(path("spaced.lockbk"), "  Lockerbook\r\n");
    EXPECT_EQ(run({"dump", path("spaced.lockbk")}, "pw\n").status, 2);
}

TEST_F(Cli, AFileThatCannotBeWrittenIsReportedAndNothingIsLeft) {
    const CliRun r = run({"create", path("no/such/folder/a.lockbk")}, "pw\n{\"accounts\":[]}");
    EXPECT_EQ(r.status, 5);
    EXPECT_NE(r.err.find(") while saving the file."), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(path("no")));
}

} // namespace
} // namespace lb
