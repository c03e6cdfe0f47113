#include "cli/load_accounts.h"

#include "cli/standard_input.h"
#include "core/account_file.h"
#include "core/cp1252.h"
#include "core/messages.h"
#include "core/random_source.h"
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

ExitStatus openAccountFile(const char* path, std::vector<Account>& accounts) {
    SecretBytes password;
    if (const ExitStatus status = readPassword(password); status != ExitStatus::Success) {
        return status;
    }
    std::string bytes;
    if (const auto error = readWholeFile(path, bytes)) {
        reportUnexpectedError(*error, "reading the file");
        return ExitStatus::Damaged;
    }
    DecodeResult result = decodeAccountFile(bytes, password.view());
    if (result.outcome != DecodeOutcome::Read) {
        std::fprintf(stderr, "%s\n", decodeFailureText(result).c_str());
        return statusOf(result.outcome);
    }
    accounts = std::move(result.accounts);
    return ExitStatus::Success;
}

ExitStatus saveAccountFile(const char* path, const std::vector<Account>& accounts,
                           const SecretBytes& password, Options options) {
    const auto unstorable = unstorableFields(accounts);
    for (const FieldPosition& at : unstorable) {
        const std::string_view member = kMemberNames[static_cast<int>(at.field)];
        std::fprintf(stderr,
                     "Account %zu (\"%s\"), \"%.*s\": the character \xC3\xBF (code 255) cannot "
                     "be stored in an account file.\n",
                     at.row + 1, cp1252::toUtf8(accounts[at.row].name).c_str(),
                     static_cast<int>(member.size()), member.data());
    }
    if (!unstorable.empty()) {
        return ExitStatus::Usage;
    }
    const FileKind kind = options.legacy ? FileKind::Classic : FileKind::Sealed;
    const std::string bytes = encodeAccountFile(kind, accounts, password.view(), randomSource());
    if (const auto failure = writeFileSafely(path, bytes)) {
        reportUnexpectedError(*failure, "saving the file");
        return ExitStatus::Damaged;
    }
    return ExitStatus::Success;
}

} // namespace lb::cli
