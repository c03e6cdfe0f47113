#include "cli/commands.h"
#include "cli/load_accounts.h"
#include "cli/standard_input.h"
#include "core/account_file.h"
#include "core/account_json.h"
#include "core/clock.h"
#include "core/table_replacement.h"
#include "platform/file_io.h"

#include <cstdio>

namespace lb::cli {
namespace {

// Replacing a sealed file that the password opens keeps its story: its
// removals, and as removed the accounts the new table leaves out. A file the
// password does not open (or of another kind) is simply replaced.
void carryOverFrom(const char* path, const SecretBytes& password, AccountTable& fresh) {
    std::string bytes;
    if (readWholeFile(path, bytes) || fileKindOf(bytes) != FileKind::Sealed) {
        return;
    }
    DecodeResult old = decodeAccountFile(bytes, password.view());
    if (old.outcome == DecodeOutcome::Read && old.identities) {
        carryOver(AccountTable{std::move(old.accounts), std::move(old.removals)}, fresh, nowMs());
    }
}

} // namespace

ExitStatus runCreate(const Arguments& arguments, Options options) {
    const char* path = arguments[0].c_str();
    if (const ExitStatus status = refuseExisting(path, options); status != ExitStatus::Success) {
        return status;
    }
    SecretBytes password;
    if (const ExitStatus status = readPassword(password); status != ExitStatus::Success) {
        return status;
    }
    std::string json;
    if (const ExitStatus status = readRest(json); status != ExitStatus::Success) {
        return status;
    }
    std::string error;
    auto table = accountsFromJson(json, nowMs(), error);
    wipe(json.data(), json.size());
    if (!table) {
        std::fprintf(stderr, "The accounts on standard input are not valid: %s.\n", error.c_str());
        return ExitStatus::Usage;
    }
    if (options.force && !options.legacy) {
        carryOverFrom(path, password, *table);
    }
    return saveAccountFile(path, *table, password, options);
}

} // namespace lb::cli
