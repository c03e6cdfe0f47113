// lockerbook-cli: account files from scripts. The master password is always
// read from the first line of standard input, never from the command line.

#include "cli/commands.h"
#include "platform/process_protection.h"

#include <cstdio>
#include <exception>
#include <string_view>

namespace {

using lb::cli::ExitStatus;

struct Command {
    std::string_view name;
    std::string_view arguments; // as shown in the usage text
    std::size_t argumentCount;
    ExitStatus (*run)(const lb::cli::Arguments&);
};

// One line per subcommand.
constexpr Command kCommands[] = {
    {"dump", "FILE", 1, lb::cli::runDump},
    {"create", "FILE", 1, lb::cli::runCreate},
    {"export", "FILE FORMAT OUT", 3, lb::cli::runExport},
};

ExitStatus usage() {
    std::fprintf(stderr, "Usage:\n");
    for (const Command& c : kCommands) {
        std::fprintf(stderr, "  lockerbook-cli %.*s %.*s\n", static_cast<int>(c.name.size()),
                     c.name.data(), static_cast<int>(c.arguments.size()), c.arguments.data());
    }
    std::fprintf(stderr,
                 "The master password is read from the first line of standard input.\n"
                 "create reads the accounts after it as JSON:\n"
                 "  {\"accounts\":[{\"name\":\"\",\"user\":\"\",\"password\":\"\",\"url\":\"\","
                 "\"notes\":\"\"}]}\n"
                 "dump prints them in the same form. Exit status: 0 done, 1 usage, 2 not an "
                 "account file,\n3 newer version, 4 wrong password, 5 damaged or unreadable.\n");
    return ExitStatus::Usage;
}

ExitStatus run(int argc, char** argv) {
    if (argc < 2) {
        return usage();
    }
    const std::string_view name = argv[1];
    for (const Command& c : kCommands) {
        if (c.name == name) {
            const lb::cli::Arguments arguments(argv + 2, argv + argc);
            if (arguments.size() != c.argumentCount) {
                return usage();
            }
            return c.run(arguments);
        }
    }
    return usage();
}

} // namespace

int main(int argc, char** argv) {
    lb::protectSecrets();
    try {
        return static_cast<int>(run(argc, argv));
    } catch (const std::exception& e) {
        // Only running out of memory or an absurdly large table gets here.
        std::fprintf(stderr, "lockerbook-cli could not finish: %s\n", e.what());
        return static_cast<int>(ExitStatus::Damaged);
    }
}
