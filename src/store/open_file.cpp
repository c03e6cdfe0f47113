#include "store/open_file.h"

#include "shell/file_dialog.h"
#include "shell/texts.h"
#include "store/account_file.h"
#include "store/account_window.h"
#include "store/file_steps.h"
#include "store/old_format_open.h"
#include "store/opened_file.h"
#include "store/safe_file.h"

#include <QFileInfo>

namespace lb {
namespace {

void showReadError(AccountWindow& w, const Error& error) {
    showFileError(w, texts::unexpectedError(error.number, QString::fromStdString(error.description),
                                            QStringLiteral("reading the file")));
}

QString newerVersionText() {
    return QStringLiteral("This file is in a version higher than this program can read. For "
                          "updates to Lockerbook, check ") +
           texts::kWebsite + QLatin1Char('.');
}

// Reads the bytes of a current-format file into the table, or reports why not.
bool readCurrentFormat(AccountWindow& w, const QString& path, std::string_view bytes,
                       const std::string& password) {
    ReadResult result = readAccountFile(bytes, password);
    switch (result.outcome) {
    case ReadOutcome::NotAccountFile:
        showFileError(w, kNotAccountFileText);
        return false;
    case ReadOutcome::NewerVersion:
        showFileError(w, newerVersionText());
        return false;
    case ReadOutcome::WrongPassword:
        showFileError(w, kWrongPasswordText);
        return false;
    case ReadOutcome::Damaged:
        showReadError(w, result.error);
        return false;
    case ReadOutcome::Read:
        break;
    }
    installOpenedFile(w, path, password, std::move(result.accounts));
    return true;
}

} // namespace

bool OpenFile(AccountWindow& w) {
    if (!w.QuerySave()) {
        return false;
    }
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogRequest::Kind::Open;
    request.title = QStringLiteral("Open");
    request.filter = texts::kAccountFileFilter;
    const auto chosen = ui::askForFile(w.window(), request);
    if (!chosen) {
        return false;
    }
    return ReadAccountFile(w, chosen->path);
}

bool ReadAccountFile(AccountWindow& w, const QString& path) {
    const auto password = askMasterPassword(w, false);
    if (!password) {
        w.EndBusy();
        return false;
    }
    // Busy from here to the end on every path; failures are reported while still busy.
    beginBusyWith(w, QStringLiteral("Reading '%1'...").arg(path));
    std::string bytes;
    if (const auto error = readWholeFile(path, bytes)) {
        showReadError(w, *error);
        w.EndBusy();
        return false;
    }
    if (isOldFormat(bytes)) {
        const bool read = ReadLegacyFile(w, path, bytes, *password);
        w.EndBusy();
        return read;
    }
    const bool read = readCurrentFormat(w, path, bytes, *password);
    w.EndBusy();
    if (read) {
        w.SetStatusText(QStringLiteral("Read (%1 bytes)").arg(QFileInfo(path).size()));
    }
    return read;
}

} // namespace lb
