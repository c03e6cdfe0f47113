#include "cli/load_accounts.h"

#include "cli/standard_input.h"
#include "core/account_file.h"
#include "core/classic_file.h"
#include "core/messages.h"
#include "core/program_errors.h"
#include "core/random_source.h"
#include "platform/file_io.h"

#include <cstdio>
#include <stdexcept>

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

ExitStatus refused(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    return ExitStatus::Usage;
}

} // namespace

void reportUnexpectedError(const Error& error, std::string_view doing) {
    std::fprintf(stderr, "%s\n", unexpectedErrorText(error, doing).c_str());
}

ExitStatus decodeFileAt(const char* path, const SecretBytes& password, DecodeResult& result,
                        FileKind& kind) {
    std::string bytes;
    if (const auto error = readWholeFile(path, bytes)) {
        reportUnexpectedError(*error, "reading the file");
        return ExitStatus::Damaged;
    }
    kind = fileKindOf(bytes);
    result = decodeAccountFile(bytes, password.view());
    if (result.outcome != DecodeOutcome::Read) {
        std::fprintf(stderr, "%s\n", decodeFailureText(result).c_str());
        return statusOf(result.outcome);
    }
    return ExitStatus::Success;
}

ExitStatus openAccountFile(const char* path, AccountTable& table) {
    SecretBytes password;
    if (const ExitStatus status = readPassword(password); status != ExitStatus::Success) {
        return status;
    }
    DecodeResult result;
    FileKind kind = FileKind::Sealed;
    if (const ExitStatus status = decodeFileAt(path, password, result, kind);
        status != ExitStatus::Success) {
        return status;
    }
    table.accounts = std::move(result.accounts);
    table.removals = std::move(result.removals);
    return ExitStatus::Success;
}

ExitStatus refuseExisting(const char* path, Options options) {
    if (!options.force && pathTaken(path)) {
        std::fprintf(stderr, "%s already exists. Give --force to replace it.\n", path);
        return ExitStatus::Usage;
    }
    return ExitStatus::Success;
}

ExitStatus saveAccountFile(const char* path, const AccountTable& table, const SecretBytes& password,
                           Options options, KdfCost cost) {
    const FileKind kind = options.legacy ? FileKind::Classic : FileKind::Sealed;
    if (kind == FileKind::Classic) {
        if (const auto refusals = classicRefusals(table.accounts); !refusals.empty()) {
            return refused(classicRefusalText(refusals, table.accounts));
        }
        if (const auto c = classicUnkeepable(password.view())) {
            return refused(classicPasswordRefusalText(*c));
        }
    }
    std::string bytes;
    try {
        bytes = encodeAccountFile(kind, table.accounts, table.removals, password.view(),
                                  randomSource(), cost);
    } catch (const std::length_error&) {
        reportUnexpectedError(programError(ProgramError::TableTooLarge), "saving the file");
        return ExitStatus::Usage;
    }
    if (const auto failure = writeFileSafely(path, bytes)) {
        reportUnexpectedError(*failure, "saving the file");
        return ExitStatus::Damaged;
    }
    return ExitStatus::Success;
}

} // namespace lb::cli
