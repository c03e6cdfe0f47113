#include "cli/commands.h"
#include "cli/load_accounts.h"
#include "core/account_json.h"
#include "core/error.h"

#include <cerrno>
#include <cstdio>

namespace lb::cli {

ExitStatus runDump(const Arguments& arguments, Options /*options*/) {
    std::vector<Account> accounts;
    if (const ExitStatus status = openAccountFile(arguments[0].c_str(), accounts);
        status != ExitStatus::Success) {
        return status;
    }
    const std::string json = accountsToJson(accounts);
    if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() ||
        std::fflush(stdout) != 0) {
        reportUnexpectedError(systemError(errno), "writing the output");
        return ExitStatus::Damaged;
    }
    return ExitStatus::Success;
}

} // namespace lb::cli
