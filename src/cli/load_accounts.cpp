#include "cli/load_accounts.h"

#include "shell/texts.h"
#include "store/account_file.h"
#include "store/legacy_file.h"
#include "store/safe_file.h"

#include <QFile>
#include <cstdio>

namespace lb::cli {
namespace {

constexpr const char* kNotAccountFile =
    "The file does not appear to be a Lockerbook file. It could not be opened.";
constexpr const char* kWrongPassword = "Wrong password.";

void report(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
}

ExitStatus loadLegacy(std::string_view bytes, std::string_view password,
                      std::vector<Account>& accounts) {
    LegacyResult result = readLegacyFile(bytes, password);
    switch (result.outcome) {
    case LegacyOutcome::Read:
        accounts = std::move(result.accounts);
        return ExitStatus::Success;
    case LegacyOutcome::NotAccountFile:
        report(kNotAccountFile);
        return ExitStatus::NotAccountFile;
    case LegacyOutcome::WrongPassword:
        report(kWrongPassword);
        return ExitStatus::WrongPassword;
    case LegacyOutcome::Damaged:
        break;
    }
    // The old format's error message has never carried a description.
    report("There was an unexpected error (number " + std::to_string(result.errorNumber) +
           ") while reading the file.");
    return ExitStatus::Damaged;
}

} // namespace

void reportUnexpectedError(int number, const std::string& description, const char* doing) {
    report("There was an unexpected error (number " + std::to_string(number) + ", " + description +
           ") while " + doing + ".");
}

ExitStatus loadAccountFile(const char* path, std::string_view password,
                           std::vector<Account>& accounts) {
    std::string bytes;
    if (const auto error = readWholeFile(QFile::decodeName(path), bytes)) {
        reportUnexpectedError(error->number, error->description, "reading the file");
        return ExitStatus::Damaged;
    }
    if (isOldFormat(bytes)) {
        return loadLegacy(bytes, password, accounts);
    }
    ReadResult result = readAccountFile(bytes, password);
    switch (result.outcome) {
    case ReadOutcome::Read:
        accounts = std::move(result.accounts);
        return ExitStatus::Success;
    case ReadOutcome::NotAccountFile:
        report(kNotAccountFile);
        return ExitStatus::NotAccountFile;
    case ReadOutcome::NewerVersion:
        report("This file is in a version higher than this program can read. For updates to "
               "Lockerbook, check " +
               texts::kWebsite.toStdString() + ".");
        return ExitStatus::NewerVersion;
    case ReadOutcome::WrongPassword:
        report(kWrongPassword);
        return ExitStatus::WrongPassword;
    case ReadOutcome::Damaged:
        break;
    }
    reportUnexpectedError(result.error.number, result.error.description, "reading the file");
    return ExitStatus::Damaged;
}

} // namespace lb::cli
