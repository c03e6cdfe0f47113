#include "cli/load_accounts.h"

#include "core/classic_file.h"
#include "core/legacy_file.h"
#include "core/messages.h"
#include "platform/file_io.h"

#include <cstdio>

namespace lb::cli {
namespace {

ExitStatus statusOf(DecodeOutcome outcome) {
    switch (outcome) {
    case DecodeOutcome::Read:
        return ExitStatus::Success;
    case DecodeOutcome::NotAccountFile:
        return ExitStatus::NotAccountFile;
    case DecodeOutcome::NewerVersion:
        return ExitStatus::NewerVersion;
    case DecodeOutcome::WrongPassword:
        return ExitStatus::WrongPassword;
    case DecodeOutcome::Damaged:
        break;
    }
    return ExitStatus::Damaged;
}

} // namespace

void reportUnexpectedError(const Error& error, std::string_view doing) {
    std::fprintf(stderr, "%s\n", unexpectedErrorText(error, doing).c_str());
}

ExitStatus loadAccountFile(const char* path, std::string_view password,
                           std::vector<Account>& accounts) {
    std::string bytes;
    if (const auto error = readWholeFile(path, bytes)) {
        reportUnexpectedError(*error, "reading the file");
        return ExitStatus::Damaged;
    }
    DecodeResult result = isLegacyFile(bytes) ? decodeLegacyFile(bytes, password)
                                              : decodeClassicFile(bytes, password);
    if (result.outcome != DecodeOutcome::Read) {
        std::fprintf(stderr, "%s\n", decodeFailureText(result).c_str());
        return statusOf(result.outcome);
    }
    accounts = std::move(result.accounts);
    return ExitStatus::Success;
}

} // namespace lb::cli
