#pragma once
// Reading and writing account files for lockerbook-cli's commands, with the
// same refusals as the window program: on failure the message goes to
// standard error and the exit status tells the kind of failure.

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "core/account.h"
#include "core/error.h"
#include "core/secret.h"

#include <string_view>
#include <vector>

namespace lb::cli {

// Reads the password line, then the account file of any kind at path.
ExitStatus openAccountFile(const char* path, std::vector<Account>& accounts);

// Writes a new account file: sealed, or classic with --legacy. Accounts
// holding a character the file cannot keep are refused first, by name, and
// nothing is written.
ExitStatus saveAccountFile(const char* path, const std::vector<Account>& accounts,
                           const SecretBytes& password, Options options);

// "There was an unexpected error (number N, description) while <doing>." on standard error.
void reportUnexpectedError(const Error& error, std::string_view doing);

} // namespace lb::cli
