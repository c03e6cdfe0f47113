// lockerbook-cli: account files from scripts. The master password is always
// read from standard input, a line per file, never from the command line.

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
    bool lastRepeats; // the last argument may be given any number of times more
    bool writes;      // may be followed by --legacy and --force
    ExitStatus (*run)(const lb::cli::Arguments&, lb::cli::Options);
};

// One line per subcommand.
constexpr Command kCommands[] = {
    {"dump", "FILE", 1, false, false, lb::cli::runDump},
    {"create", "[--legacy] [--force] FILE", 1, false, true, lb::cli::runCreate},
    {"export", "FILE FORMAT OUT", 3, false, false, lb::cli::runExport},
    {"import", "[--legacy] [--force] FILE SOURCE IN", 3, false, true, lb::cli::runImport},
    {"merge", "FILE OTHER...", 2, true, false, lb::cli::runMerge},
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
                 "Each account may also have \"id\", \"created\" and \"modified\"; dump prints\n"
                 "them, and \"removed\" after the accounts. New files are sealed; --legacy\n"
                 "writes the format older copies read, which only obfuscates. An existing\n"
                 "FILE is replaced only with --force.\n"
                 "import reads IN, the export of SOURCE: chrome, firefox, bitwarden, keepassxc,\n"
                 "lockerbook (its own comma-separated export) or auto (told by the header).\n"
                 "merge reads one password line per file, FILE's first, merges each OTHER\n"
                 "(of any kind) into FILE and saves FILE in its own kind; conflicting changes\n"
                 "are both kept, the older as a copy. Nothing is written unless all merge.\n"
                 "Exit status: 0 done, 1 usage, 2 not an account file, 3 newer version,\n"
                 "4 wrong password, 5 damaged or unreadable.\n");
    return ExitStatus::Usage;
}

ExitStatus run(int argc, char** argv) {
    if (argc < 2) {
        return usage();
    }
    const std::string_view name = argv[1];
    for (const Command& c : kCommands) {
        if (c.name == name) {
            lb::cli::Arguments arguments(argv + 2, argv + argc);
            lb::cli::Options options;
            while (c.writes && !arguments.empty() &&
                   (arguments.front() == "--legacy" || arguments.front() == "--force")) {
                (arguments.front() == "--legacy" ? options.legacy : options.force) = true;
                arguments.erase(arguments.begin());
            }
            if (arguments.size() < c.argumentCount ||
                (!c.lastRepeats && arguments.size() > c.argumentCount)) {
                return usage();
            }
            return c.run(arguments, options);
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
