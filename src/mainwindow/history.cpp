// The history of changes behind Edit > Undo and Redo, and the commands that
// put a new password into the shown account as a step of its own.

#include "dialogs/frm_generator.h"
#include "dialogs/generator_settings.h"
#include "mainwindow/account_list_view.h"
#include "mainwindow/detail_pane.h"
#include "mainwindow/frm_main.h"
#include "platform/clipboard.h"
#include "store/table_edits.h"

#include <QAction>
#include <QLineEdit>

namespace lb {

void FrmMain::buildHistory() {
    // The saved flag follows the history: undoing back to the saved state
    // marks the file saved again, unless something outside it changed.
    connect(&history_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { file_.FileSaved = clean && !changedOutsideHistory_; });
    // Typing after an undo or a redo starts a step of its own: each step
    // shows the account it touched, which begins a new visit.
}

void FrmMain::recordStep(QUndoCommand* step) {
    history_.push(step);
}

void FrmMain::tableSaved() {
    changedOutsideHistory_ = false;
    history_.setClean();
}

void FrmMain::tableReplaced() {
    // The steps belong to the table that went: they must not act on this one.
    history_.clear();
    changedOutsideHistory_ = false;
    file_.importedFrom.clear();
    setTitleNote({});
}

void FrmMain::markChangedOutsideHistory() {
    changedOutsideHistory_ = true;
    file_.FileSaved = false;
}

void FrmMain::revealAccount(int index) {
    if (index < 0 || index >= model_.totalCount()) {
        if (model_.viewingIndex() >= 0 && model_.viewingRow() >= 0) {
            showAccount(model_.viewingRow());
        } else if (model_.size() > 0) {
            showAccount(0);
        } else {
            ClearDetailView();
        }
        return;
    }
    if (model_.rowOfIndex(index) < 0) {
        emptyFindBox();
    }
    showAccount(model_.rowOfIndex(index));
}

void FrmMain::setPasswordAsStep(const QString& password, const QString& stepText) {
    // A visit of its own, so that it neither joins the typing before it nor
    // the typing after it.
    ++visit_;
    stepText_ = stepText;
    picView->txtViewPassword->setText(password);
    stepText_.clear();
    ++visit_;
}

void FrmMain::cmdViewRandomPassword_Click() {
    const int index = model_.viewingIndex();
    const QString text =
        index >= 0 ? QStringLiteral("Random Password for %1")
                         .arg(quotedName(model_.accounts()[static_cast<std::size_t>(index)]))
                   : QString();
    setPasswordAsStep(randomPasswordAsChosen(), text);
}

void FrmMain::mnuAccountsGenerate_Click() {
    const std::optional<QString> chosen = generatePassword(this);
    if (!chosen) {
        return;
    }
    const int index = model_.viewingIndex();
    if (index < 0) {
        // With no account shown the password goes where it can be pasted.
        if (putTextOnClipboard(*chosen, ClipboardText::Secret)) {
            SetStatusText(QStringLiteral("The generated password was copied to the clipboard."));
        }
        return;
    }
    setPasswordAsStep(*chosen,
                      QStringLiteral("Generated Password for %1")
                          .arg(quotedName(model_.accounts()[static_cast<std::size_t>(index)])));
}

} // namespace lb
