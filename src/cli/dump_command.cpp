#include "cli/commands.h"
#include "cli/load_accounts.h"
#include "core/account_json.h"
#include "core/error.h"

#include <cerrno>
#include <cstdio>

namespace lb::cli {

ExitStatus runDump(const Arguments& arguments, Options /*options*/) {
    AccountTable table;
    if (const ExitStatus status = openAccountFile(arguments[0].c_str(), table);
        status != ExitStatus::Success) {
        return status;
    }
    std::string json = accountsToJson(table.accounts, table.removals);
    const auto wiped = [&json] { wipe(json.data(), json.size()); };
    if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() ||
        std::fflush(stdout) != 0) {
        reportUnexpectedError(systemError(errno), "writing the output");
        wiped();
        return ExitStatus::Damaged;
    }
    wiped();
    return ExitStatus::Success;
}

} // namespace lb::cli
