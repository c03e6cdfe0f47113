#pragma once
// What the file operations (save, open, export, print, copy) need from the
// main window: the account table, the open file's state, the window-wide
// feedback operations and the two dialogs they raise. frmMain provides it;
// keeping the operations on this narrow surface keeps them out of the
// window's layout and menus, and keeps the dialogs above them.

#include "core/secret.h"
#include "store/password_check.h"

#include <QString>
#include <optional>

class QUndoCommand;
class QWidget;

namespace lb {

class AccountTableModel;
struct CurrentFile;

class AccountWindow {
public:
    virtual ~AccountWindow() = default;

    // Owner of the dialogs and message boxes the operations show.
    virtual QWidget* window() = 0;

    virtual AccountTableModel& table() = 0;
    virtual CurrentFile& currentFile() = 0;

    virtual void SetStatusText(const QString& text) = 0;
    // A few words after the program's name in the title bar, such as that
    // the list is not saved anywhere yet; the empty text removes them.
    virtual void setTitleNote(const QString& note) = 0;
    // The busy state: window disabled, wait pointer. Not counted: one EndBusy
    // ends it. EndBusy also empties the status text.
    virtual void BeginBusy() = 0;
    virtual void EndBusy() = 0;

    virtual void ClearDetailView() = 0;
    // Selects the row and shows it in the detail pane (lstAccounts_ItemClick).
    virtual void showAccount(int row) = 0;

    // Asks whether unsaved changes are to be saved first; false means stop.
    virtual bool QuerySave() = 0;

    // Records a change already made to the table (a merge) as a step that
    // Edit > Undo takes back; the window owns the step from here.
    virtual void recordStep(QUndoCommand* step) = 0;

    // The table was written to its file: what is in the file now is the saved state.
    virtual void tableSaved() = 0;
    // A whole new table came in (new, open, import): the history of changes
    // starts afresh, and what was noted of the table that went (its title
    // note, the export it came from) goes with it.
    virtual void tableReplaced() = 0;
    // The table changed outside the history (an import): it stays unsaved
    // even when every later step is undone.
    virtual void markChangedOutsideHistory() = 0;

    // frmPassword: the master password, typed twice with confirm; the empty
    // text means the person cancelled.
    virtual QString askPassword(bool confirm) = 0;
    // frmPassword for an existing file: asks until check finds the password
    // right or the file unreadable, saying "Wrong password." between tries.
    // Nothing when the person cancels; otherwise the password in UTF-8.
    virtual std::optional<SecretBytes> askCheckedPassword(const PasswordCheck& check) = 0;
    // frmClear, the prompt that follows a password copy.
    virtual void showClearPrompt() = 0;
};

} // namespace lb
