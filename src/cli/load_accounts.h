#pragma once
// Reading and writing account files for lockerbook-cli's commands, with the
// same refusals as the window program: on failure the message goes to
// standard error and the exit status tells the kind of failure.

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "core/account.h"
#include "core/account_file.h"
#include "core/decode_result.h"
#include "core/error.h"
#include "core/sealed_file.h"
#include "core/secret.h"

#include <string_view>

namespace lb::cli {

// Reads the password line, then the account file of any kind at path.
ExitStatus openAccountFile(const char* path, AccountTable& table);

// Reads the account file of any kind at path with a password already read;
// kind tells which kind it was.
ExitStatus decodeFileAt(const char* path, const SecretBytes& password, DecodeResult& result,
                        FileKind& kind);

// Refuses a path where something already is, unless --force was given; said
// before anything is read or written.
ExitStatus refuseExisting(const char* path, Options options);

// Writes an account file: sealed (at cost), or classic with --legacy. A table
// the file could not keep (a character the legacy format lacks, a file beyond
// what readers take) is refused first, by name, and nothing is written.
ExitStatus saveAccountFile(const char* path, const AccountTable& table, const SecretBytes& password,
                           Options options, KdfCost cost = sealingCost());

// "There was an unexpected error (number N, description) while <doing>." on standard error.
void reportUnexpectedError(const Error& error, std::string_view doing);

} // namespace lb::cli
