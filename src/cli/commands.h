#pragma once
// The subcommands of lockerbook-cli, one source file each. A command gets
// exactly the arguments that follow its name, already counted by main, and
// the options given before them.

#include "cli/exit_status.h"

#include <string>
#include <vector>

namespace lb::cli {

using Arguments = std::vector<std::string>;

struct Options {
    bool legacy = false; // write the classic format, which older copies read
    bool force = false;  // replace a file that exists
};

// dump FILE: prints the accounts of FILE (any kind) as JSON.
ExitStatus runDump(const Arguments& arguments, Options options);
// create [--legacy] [--force] FILE: writes FILE from the JSON on standard input.
ExitStatus runCreate(const Arguments& arguments, Options options);
// export FILE FORMAT OUT: writes OUT in the Export dialog's format FORMAT (1 to 5).
ExitStatus runExport(const Arguments& arguments, Options options);
// import [--legacy] [--force] FILE SOURCE IN: writes FILE from another program's export IN.
ExitStatus runImport(const Arguments& arguments, Options options);
// merge FILE OTHER...: merges each OTHER (any kind) into FILE, which keeps its kind.
ExitStatus runMerge(const Arguments& arguments, Options options);

} // namespace lb::cli
