#include "cli/commands.h"
#include "cli/load_accounts.h"
#include "cli/standard_input.h"
#include "core/account_json.h"
#include "core/classic_file.h"
#include "core/random_source.h"
#include "platform/file_io.h"

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
    const std::string bytes = encodeClassicFile(*accounts, input.password, randomSource());
    if (const auto failure = writeFileSafely(arguments[0], bytes)) {
        reportUnexpectedError(*failure, "saving the file");
        return ExitStatus::Damaged;
    }
    return ExitStatus::Success;
}

} // namespace lb::cli
