// File > Lock, and locking by itself: after the idle minutes the Options
// give, when the screen locks and before the computer sleeps. Locking always
// locks and loses nothing: whatever is open over the window closes as if
// cancelled, a save in progress ends first, unsaved changes are sealed in
// memory with the rest of the table under a key derived afresh from the
// master password, and the table's texts, the pane, the find box, the kept
// master password and the history are wiped. The right password brings
// everything back as it was, still unsaved.

#include "core/locked_table.h"
#include "dialogs/frm_clear.h"
#include "dialogs/frm_password.h"
#include "mainwindow/account_list_view.h"
#include "mainwindow/detail_pane.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/idle_watch.h"
#include "mainwindow/lock_screen.h"
#include "mainwindow/splitter_bar.h"
#include "platform/account_text.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "platform/modal_dialogs.h"
#include "platform/session_watch.h"
#include "platform/settings.h"
#include "platform/texts.h"
#include "store/file_steps.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QFrame>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <new>

namespace lb {

void FrmMain::buildLock() {
    picLocked = new LockScreen(client);
    picLocked->hide();
    connect(picLocked, &LockScreen::unlockRequested, this, &FrmMain::unlock);
    idleWatch_ = new IdleWatch(this);
    connect(idleWatch_, &IdleWatch::idle, this, &FrmMain::requestLock);
    idleWatch_->setWatching(true);
    sessionWatch_ = new SessionWatch(this);
    connect(sessionWatch_, &SessionWatch::personAway, this, [this] {
        if (settings::optionOn(settings::kLockOnScreenLock, true)) {
            requestLock();
        }
    });
}

void FrmMain::requestLock() {
    if (locked_ || locking_) {
        return;
    }
    locking_ = true;
    // From here every question answers "Cancel" at once, unseen: nothing new
    // opens over a window that is locking.
    ui::setDialogsRefused(true);
    closeEverythingOpen();
    lockWhenFree();
}

void FrmMain::closeEverythingOpen() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(top); dialog != nullptr && dialog->isVisible()) {
            dialog->reject();
        }
    }
    clipboardTimer_.stop();
    clearClipboardIfOurs();
    closeClearPrompt();
}

void FrmMain::lockWhenFree() {
    // A dialog's own event loop must return, and a save end, before the
    // table they work on goes.
    if (busy_ || ui::openModalDialogs() > 0) {
        closeEverythingOpen();
        QTimer::singleShot(20, this, &FrmMain::lockWhenFree);
        return;
    }
    lockNow();
}

void FrmMain::lockNow() {
    lockedView_ = {model_.isSorted(), model_.sortKey(), model_.ascending(), std::nullopt};
    if (model_.viewingIndex() >= 0) {
        lockedView_.viewing = model_.accounts()[static_cast<std::size_t>(model_.viewingIndex())].id;
    }
    std::string findText = toAccountText(txtFind->text());
    // Nothing of the list shows from here on, while it is sealed.
    for (QWidget* hidden : std::initializer_list<QWidget*>{lstAccounts, picView, picSeperator,
                                                           shpAccounts, tbToolbar}) {
        hidden->hide();
    }
    enableCommands(false);
    const QString name = file_.CurrentFileName.isEmpty()
                             ? QStringLiteral("A new list")
                             : QFileInfo(file_.CurrentFileName).fileName();
    picLocked->showLocked(name, !file_.CurrentPassword.empty());
    picLocked->show();
    picLocked->raise();
    Form_Resize();
    if (file_.CurrentPassword.empty()) {
        hiddenTable_ = AccountTable{model_.accounts(), model_.removals()};
        hiddenFindText_ = std::move(findText);
    } else {
        picLocked->showWorking(QStringLiteral("Locking..."));
        const KdfCost cost = sealCost(file_);
        try {
            lockedTable_ = whilePainting([&] {
                return lockTable(model_.accounts(), model_.removals(), findText,
                                 file_.CurrentPassword.view(), cost);
            });
        } catch (const std::bad_alloc&) {
            // Without the memory to seal it, the table is at least hidden:
            // the lock must lock, whatever it costs.
            hiddenTable_ = AccountTable{model_.accounts(), model_.removals()};
            hiddenFindText_ = findText;
        }
        wipeText(findText);
        picLocked->showLocked(name, !hiddenTable_);
    }
    // What stays in memory of the open file is only sealed, or hidden.
    model_.setViewingIndex(-1);
    ClearDetailView();
    for (QLineEdit* box : {static_cast<QLineEdit*>(picView->txtViewAccountName),
                           static_cast<QLineEdit*>(picView->txtViewUserName),
                           static_cast<QLineEdit*>(picView->txtViewPassword),
                           static_cast<QLineEdit*>(picView->txtViewURL)}) {
        wipeBoxText(box);
    }
    {
        const QSignalBlocker quiet(txtFind);
        wipeBoxText(txtFind);
    }
    model_.wipe();
    // The history holds earlier versions of accounts; a change not saved
    // stays unsaved without it.
    changedOutsideHistory_ = !file_.FileSaved;
    history_.clear();
    if (!hiddenTable_) {
        file_.CurrentPassword.clear();
    }
    locked_ = true;
    locking_ = false;
    ui::setDialogsRefused(false);
    idleWatch_->setWatching(false);
    SetStatusText(QStringLiteral("Locked"));
}

void FrmMain::unlock() {
    if (!locked_) {
        return;
    }
    if (hiddenTable_) {
        AccountTable table = std::move(*hiddenTable_);
        hiddenTable_.reset();
        restoreAfterLock(std::move(table), std::move(hiddenFindText_));
        return;
    }
    QString typed = picLocked->txtUnlock->text();
    SecretBytes password = toSecretText(typed);
    wipeText(typed);
    wipeBoxText(picLocked->txtUnlock);
    if (password.empty()) {
        picLocked->sayWrongPassword();
        return;
    }
    picLocked->showWorking(QStringLiteral("Unlocking..."));
    UnlockedTable opened =
        whilePainting([&] { return unlockTable(lockedTable_, password.view()); });
    if (opened.outcome != DecodeOutcome::Read) {
        picLocked->sayWrongPassword();
        return;
    }
    file_.CurrentPassword = std::move(password);
    restoreAfterLock(std::move(opened.table), std::move(opened.viewState));
}

void FrmMain::restoreAfterLock(AccountTable table, std::string findText) {
    wipeText(lockedTable_);
    lockedTable_.clear();
    model_.restoreSort(lockedView_.sorted, lockedView_.sortKey, lockedView_.ascending);
    model_.replaceAll(std::move(table.accounts), std::move(table.removals));
    locked_ = false;
    picLocked->hide();
    lstAccounts->show();
    enableCommands(true);
    // Every pane, bar and menu as the view switches say, MiniMode included.
    SetMiniMode(InMiniMode);
    txtFind->setText(toQString(findText));
    wipeText(findText);
    const int index = lockedView_.viewing ? model_.indexOfId(*lockedView_.viewing) : -1;
    if (index >= 0 && model_.rowOfIndex(index) >= 0) {
        showAccount(model_.rowOfIndex(index));
    } else {
        ClearDetailView();
    }
    lstAccounts->setFocus();
    idleWatch_->setWatching(true);
    SetStatusText(QString());
    if (exitAfterUnlock_) {
        exitAfterUnlock_ = false;
        close();
    }
}

void FrmMain::enableCommands(bool enabled) {
    // While locked only Exit acts; the menus stay, greyed, to say so.
    for (QMenu* menu :
         {menu_.mnuFile, menu_.mnuEdit, menu_.mnuView, menu_.mnuAccounts, menu_.mnuHelp}) {
        for (QAction* entry : menu->actions()) {
            entry->setEnabled(enabled || entry == menu_.mnuFileExit);
        }
    }
    menu_.mnuCloseMiniMode->setEnabled(enabled);
    menu_.txtFindFocus->setEnabled(enabled);
    menu_.lstAccountsDelete->setEnabled(enabled);
    if (enabled) {
        // The history's own state says when Undo and Redo can act.
        menu_.mnuEditUndo->setEnabled(history_.canUndo());
        menu_.mnuEditRedo->setEnabled(history_.canRedo());
    }
}

bool FrmMain::mayLeaveLocked() {
    if (file_.FileSaved) {
        return true;
    }
    const auto answer = ui::showMessage(
        this,
        ui::Message{texts::kAppName,
                    QStringLiteral("The locked file has changes that are not saved. Unlock it "
                                   "to save them, or leave without saving them?"),
                    QMessageBox::Warning,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    QMessageBox::Save, QMessageBox::Cancel},
        {{QMessageBox::Save, QStringLiteral("&Unlock to Save")},
         {QMessageBox::Discard, QStringLiteral("&Leave Without Saving")}});
    if (answer == QMessageBox::Save) {
        exitAfterUnlock_ = true;
        picLocked->txtUnlock->setFocus();
        SetStatusText(
            QStringLiteral("Unlock to save the changes; Lockerbook closes after saving."));
    }
    return answer == QMessageBox::Discard;
}

void FrmMain::wipeLocked() {
    wipeText(lockedTable_);
    lockedTable_.clear();
    hiddenTable_.reset();
    wipeText(hiddenFindText_);
}

void FrmMain::mnuFileChangePassword_Click() {
    QString typed = askPassword(true);
    if (typed.isEmpty()) {
        return;
    }
    SecretBytes password = toSecretText(typed);
    wipeText(typed);
    file_.CurrentPassword = std::move(password);
    markChangedOutsideHistory();
    SetStatusText(QStringLiteral("The new master password seals the file at the next save."));
}

} // namespace lb
