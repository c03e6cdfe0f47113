#pragma once
// What lockerbook-cli takes from standard input: the master password on the
// first line (so that it never shows in a process list or a shell history),
// then whatever the command needs after it. Nothing beyond what a command
// needs is read: `yes pw | lockerbook-cli dump FILE` ends.

#include "cli/exit_status.h"
#include "core/secret.h"

#include <string>

namespace lb::cli {

// The most standard input may hold after the password line: as much as the
// largest account file that is read.
inline constexpr std::size_t kMaxInputBytes = 256u << 20;

// Reads exactly the first line: at a terminal after a prompt on standard
// error, with the typing not echoed. The line loses its line end (LF or
// CR LF) and stays UTF-8, in locked memory. An empty password, one longer
// than a line can be, or one that is not UTF-8 is reported on standard error
// and gives ExitStatus::Usage.
ExitStatus readPassword(SecretBytes& password);

// The rest of standard input, up to kMaxInputBytes.
ExitStatus readRest(std::string& rest);

} // namespace lb::cli
