#pragma once
// frmMain, the main window: the account list, the detail pane, the menus,
// the toolbar and the status bar, the layout routine and the view switches.
// It owns the account table and the open file's state for the whole run, and
// offers the file operations what they need through AccountWindow. Its
// controls and state are its own; tests reach the controls as a person
// does, by their names, and the commands through commands().

#include "mainwindow/commands.h"
#include "store/account_table_model.h"
#include "store/account_window.h"
#include "store/current_file.h"

#include <QMainWindow>
#include <QTimer>
#include <QUndoStack>

class QFrame;
class QLineEdit;
class QStatusBar;
class QToolBar;

namespace lb {

class AccountListView;
class DetailPane;
class IdleWatch;
class LockScreen;
class SessionWatch;
class SplitterBar;

class FrmMain : public QMainWindow, public AccountWindow {
    Q_OBJECT

public:
    explicit FrmMain(QWidget* parent = nullptr);
    ~FrmMain() override;

    // AccountWindow
    QWidget* window() override { return this; }
    AccountTableModel& table() override { return model_; }
    CurrentFile& currentFile() override { return file_; }
    void SetStatusText(const QString& text) override;
    void setTitleNote(const QString& note) override;
    void BeginBusy() override;
    void EndBusy() override;
    void ClearDetailView() override;
    void showAccount(int row) override;
    bool QuerySave() override;
    void tableSaved() override;
    void recordStep(QUndoCommand* step) override;
    void tableReplaced() override;
    void markChangedOutsideHistory() override;
    QString askPassword(bool confirm) override;
    std::optional<SecretBytes> askCheckedPassword(const PasswordCheck& check) override;
    void showClearPrompt() override;

    // The account store's operations.
    void NewFile();
    void AddAccount();
    void mnuAccountsRemove_Click();

    // Shows the account of the row in the detail pane, ready for editing.
    void lstAccounts_ItemClick(int row);
    int ViewingAccount() const { return model_.viewingRow(); }
    QString statusText() const;
    bool isBusy() const { return busy_; }

    void Form_Resize();
    void SetMiniMode(bool mode);
    bool inMiniMode() const { return InMiniMode; }
    // The detail pane's share of the client width, in percent.
    double splitPercentage() const { return SplitPercentage; }

    const MainCommands& commands() const { return menu_; }

    // lock.cpp: File > Lock, the idle time and the desktop's signals. Locking
    // always locks: what is open over the window closes as if cancelled, a
    // save in progress ends first, and the table is sealed and wiped.
    void requestLock();
    bool isLocked() const { return locked_; }
    // The history of changes behind Edit > Undo and Redo.
    const QUndoStack& history() const { return history_; }

    // The designed client area, in twips.
    static constexpr int kDesignedClientWidthTwips = 9165;
    static constexpr int kDesignedClientHeightTwips = 5970;

signals:
    // The shut-down sequence has run; the process ends now, and other windows
    // still open (the clear-clipboard prompt) go without their closing steps.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override; // Form_Unload
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void buildClientArea();
    void buildCommands();
    void buildToolbar();
    void connectDetailPane();
    void writeBack(QWidget* box);
    // The field a detail box edits.
    Field fieldOf(QWidget* box) const;
    void EnableDetailView();
    static void SelectAllText(QWidget* box);
    // The toolbar's "remove" button follows the detail pane; the menu entry never changes.
    void enableRemoveButton(bool enabled);

    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuViewOnTop_Click();
    void mnuViewMaskPasswords_Click();

    void picSeperator_MouseDown();
    void picSeperator_MouseMove(double x);
    void picSeperator_MouseUp();

    void storeWindowSettings();
    void recordNormalGeometry();

    // history.cpp: the steps of Edit > Undo and Redo.
    void buildHistory();
    // Shows the account at index after a step, revealing it when the find box hides it.
    void revealAccount(int index);
    // Puts a new password into the shown account as one step of its own.
    void setPasswordAsStep(const QString& password, const QString& stepText);
    void mnuAccountsGenerate_Click();
    void cmdViewRandomPassword_Click();

    // lock.cpp
    void buildLock();
    void closeEverythingOpen();
    void lockWhenFree();
    void lockNow();
    void unlock();
    void restoreAfterLock(AccountTable table, std::string findText);
    void enableCommands(bool enabled);
    // Exit while locked: false when the window must stay (the person chose to unlock first).
    bool mayLeaveLocked();
    void wipeLocked();
    void mnuFileChangePassword_Click();

    // clipboard_clearing.cpp: Copy Password, and the clipboard clearing itself.
    void copyShownPassword();
    void clearCopiedPassword();

    // find.cpp: the find box at the right end of the toolbar.
    void buildFindBox();
    void findTextChanged(const QString& text);
    void showFindCount();
    void focusFindBox();
    void emptyFindBox();

    // The client area (everything below the menu bar) and its controls.
    QWidget* client = nullptr;
    QToolBar* tbToolbar = nullptr;
    QStatusBar* sbStatus = nullptr;
    QFrame* shpAccounts = nullptr;
    AccountListView* lstAccounts = nullptr;
    SplitterBar* picSeperator = nullptr;
    QWidget* picSlideLine = nullptr;
    DetailPane* picView = nullptr;
    QLineEdit* txtFind = nullptr;
    MainCommands menu_;

    bool InMiniMode = false;
    bool Loading = false;
    double SplitPercentage = 0;
    double NormalTop = 0;
    double NormalLeft = 0;
    double NormalHeight = 0;
    double NormalWidth = 0;

    AccountTableModel model_;
    CurrentFile file_;
    bool busy_ = false;

    QUndoStack history_;
    // Counts the visits to the detail boxes, so that one visit is one step.
    int visit_ = 0;
    // The text of the step the next write-back makes, when not an edit.
    QString stepText_;
    bool changedOutsideHistory_ = false;

    // Clears a copied password after the seconds the Options give.
    QTimer clipboardTimer_;

    LockScreen* picLocked = nullptr;
    IdleWatch* idleWatch_ = nullptr;
    SessionWatch* sessionWatch_ = nullptr;
    bool locked_ = false;
    bool locking_ = false;
    // The table while locked: sealed, or, for a list without a master
    // password, only hidden.
    std::string lockedTable_;
    std::optional<AccountTable> hiddenTable_;
    std::string hiddenFindText_;
    // What comes back with it, none of it secret.
    struct LockedView {
        bool sorted = false;
        int sortKey = 0;
        bool ascending = true;
        std::optional<AccountId> viewing;
    } lockedView_;
    bool exitAfterUnlock_ = false;
};

} // namespace lb
