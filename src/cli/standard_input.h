#pragma once
// What lockerbook-cli takes from standard input: the master password on the
// first line (so that it never shows in a process list or a shell history),
// then whatever the command needs after it.

#include "cli/exit_status.h"

#include <string>

namespace lb::cli {

struct StandardInput {
    std::string password; // Windows-1252 bytes, as the account file's key needs them
    std::string rest;     // everything after the password line
};

// Reads all of standard input. The password line loses its line end (LF or
// CR LF) and is converted from UTF-8. An empty password or one the code page
// cannot hold is reported on standard error and gives ExitStatus::Usage.
ExitStatus readStandardInput(StandardInput& input);

} // namespace lb::cli
