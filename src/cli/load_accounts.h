#pragma once
// Reading an account file of any format for a lockerbook-cli command, with
// the same refusals as the window program: on failure the message goes to
// standard error and the exit status tells the kind of failure.

#include "cli/exit_status.h"
#include "core/account.h"
#include "core/error.h"

#include <string_view>
#include <vector>

namespace lb::cli {

// path as given on the command line; password as Windows-1252 bytes.
ExitStatus loadAccountFile(const char* path, std::string_view password,
                           std::vector<Account>& accounts);

// "There was an unexpected error (number N, description) while <doing>." on standard error.
void reportUnexpectedError(const Error& error, std::string_view doing);

} // namespace lb::cli
