#include "cli/commands.h"
#include "cli/load_accounts.h"
#include "cli/standard_input.h"
#include "core/account_json.h"
#include "core/error.h"

#include <cerrno>
#include <cstdio>

namespace lb::cli {

ExitStatus runDump(const Arguments& arguments) {
    StandardInput input;
    if (const ExitStatus status = readStandardInput(input); status != ExitStatus::Success) {
        return status;
    }
    std::vector<Account> accounts;
    if (const ExitStatus status = loadAccountFile(arguments[0].c_str(), input.password, accounts);
        status != ExitStatus::Success) {
        return status;
    }
    const std::string json = accountsToJson(accounts);
    if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() ||
        std::fflush(stdout) != 0) {
        const Error error = systemError(errno);
        reportUnexpectedError(error, "writing the output");
        return ExitStatus::Damaged;
    }
    return ExitStatus::Success;
}

} // namespace lb::cli
