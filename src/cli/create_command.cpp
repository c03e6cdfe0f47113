#include "cli/account_json.h"
#include "cli/commands.h"
#include "cli/load_accounts.h"
#include "cli/standard_input.h"
#include "store/account_file.h"
#include "store/safe_file.h"
#include "tools/random_source.h"

#include <QFile>
#include <cstdio>

namespace lb::cli {

ExitStatus runCreate(const Arguments& arguments) {
    StandardInput input;
    if (const ExitStatus status = readStandardInput(input); status != ExitStatus::Success) {
        return status;
    }
    std::string error;
    const auto accounts = accountsFromJson(input.rest, error);
    if (!accounts) {
        std::fprintf(stderr, "The accounts on standard input are not valid: %s.\n", error.c_str());
        return ExitStatus::Usage;
    }
    const std::string bytes = writeAccountFile(*accounts, input.password, randomSource());
    if (const auto failure = writeFileSafely(QFile::decodeName(arguments[0].c_str()), bytes)) {
        reportUnexpectedError(failure->number, failure->description, "saving the file");
        return ExitStatus::Damaged;
    }
    return ExitStatus::Success;
}

} // namespace lb::cli
