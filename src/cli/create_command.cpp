#include "cli/commands.h"
#include "cli/load_accounts.h"
#include "cli/standard_input.h"
#include "core/account_json.h"

#include <cstdio>

namespace lb::cli {

ExitStatus runCreate(const Arguments& arguments, Options options) {
    SecretBytes password;
    if (const ExitStatus status = readPassword(password); status != ExitStatus::Success) {
        return status;
    }
    std::string json;
    if (const ExitStatus status = readRest(json); status != ExitStatus::Success) {
        return status;
    }
    std::string error;
    const auto accounts = accountsFromJson(json, error);
    wipe(json.data(), json.size());
    if (!accounts) {
        std::fprintf(stderr, "The accounts on standard input are not valid: %s.\n", error.c_str());
        return ExitStatus::Usage;
    }
    return saveAccountFile(arguments[0].c_str(), *accounts, password, options);
}

} // namespace lb::cli
