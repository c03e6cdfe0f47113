#include "cli_runner.h"

#include "disk.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace lb::test {

CliRun runCli(const std::string& folder, const std::vector<std::string>& arguments,
              const std::string& input) {
    const std::string in = folder + "/.stdin";
    const std::string out = folder + "/.stdout";
    const std::string err = folder + "/.stderr";
    writeBytes(in, input);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
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
    result.out = readBytes(out);
    result.err = readBytes(err);
    ::unlink(in.c_str());
    ::unlink(out.c_str());
    ::unlink(err.c_str());
    return result;
}

} // namespace lb::test
