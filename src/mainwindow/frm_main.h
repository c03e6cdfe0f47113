#pragma once
// frmMain, the main window: the account list, the detail pane, the menus,
// the toolbar and the status bar, the layout routine and the view switches.
// It owns the account table and the open file's state for the whole run, and
// offers the file operations what they need through AccountWindow.

#include "mainwindow/account_list_view.h"
#include "mainwindow/detail_pane.h"
#include "mainwindow/splitter_bar.h"
#include "store/account_table_model.h"
#include "store/account_window.h"
#include "store/current_file.h"

#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QStatusBar>
#include <QToolBar>

namespace lb {

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
    void BeginBusy() override;
    void EndBusy() override;
    void ClearDetailView() override;
    void ShowAccount(int row) override;
    bool QuerySave() override;

    // The account store's operations.
    void NewFile();
    void AddAccount();
    void mnuAccountsRemove_Click();

    // The list and the detail pane.
    void lstAccounts_ItemClick(int row);
    void EnableDetailView();
    static void SelectAllText(QWidget* box);
    int ViewingAccount() const { return model_.viewingRow(); }
    QString statusText() const;
    bool isBusy() const { return busy_; }

    // Layout and view switches.
    void Form_Resize();
    void SetMiniMode(bool mode);
    bool InMiniMode = false;
    bool Loading = false;
    double SplitPercentage = 0;
    double NormalTop = 0;
    double NormalLeft = 0;
    double NormalHeight = 0;
    double NormalWidth = 0;

    // The toolbar's click handler: runs the menu entry of the button's key.
    void tbToolbar_ButtonClick(const QString& key);

    // The client area (everything below the menu bar) and its controls.
    QWidget* client;
    QToolBar* tbToolbar;
    QStatusBar* sbStatus;
    QFrame* shpAccounts;
    AccountListView* lstAccounts;
    SplitterBar* picSeperator;
    QWidget* picSlideLine;
    DetailPane* picView;

    // A menu entry or toolbar button by its name ("mnuFileNew") or key ("new").
    QAction* menuEntry(const QString& name) const { return menu_.value(name); }
    QAction* toolbarButton(const QString& key) const { return toolbar_.value(key); }

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
    void buildMenus();
    void buildToolbar();
    void connectDetailPane();
    void writeBack(QWidget* box);

    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuViewOnTop_Click();
    void mnuViewMaskPasswords_Click();

    void picSeperator_MouseDown();
    void picSeperator_MouseMove(double x);
    void picSeperator_MouseUp();

    void storeWindowSettings();
    void recordNormalGeometry();

    AccountTableModel model_;
    CurrentFile file_;
    QMap<QString, QAction*> menu_;
    QMap<QString, QAction*> toolbar_;
    bool busy_ = false;
};

} // namespace lb
