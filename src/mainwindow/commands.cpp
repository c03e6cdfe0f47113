// The command surface of frmMain: the menu bar, the toolbar over the same
// actions, and the routing of every command to the operation that does the work.

#include "mainwindow/commands.h"

#include "dialogs/frm_about.h"
#include "dialogs/frm_options.h"
#include "mainwindow/account_list_view.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/help.h"
#include "platform/artwork.h"
#include "store/export_accounts.h"
#include "store/import_accounts.h"
#include "store/open_file.h"
#include "store/print_accounts.h"
#include "store/save_file.h"

#include <QMenuBar>
#include <QToolBar>

namespace lb {
namespace {

QAction* entry(QMenu* menu, const char* name, const char* caption, QKeySequence shortcut = {}) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

void separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

QMenu* topMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QAction* checkEntry(QMenu* menu, const char* name, const char* caption, QKeySequence shortcut,
                    bool checked) {
    QAction* action = entry(menu, name, caption, shortcut);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

} // namespace

void FrmMain::buildCommands() {
    QMenuBar* bar = menuBar();
    MainCommands& m = menu_;
    m.mnuFile = topMenu(bar, "mnuFile", "&File");
    m.mnuFileNew = entry(m.mnuFile, "mnuFileNew", "&New", Qt::CTRL | Qt::Key_N);
    m.mnuFileOpen = entry(m.mnuFile, "mnuFileOpen", "&Open", Qt::CTRL | Qt::Key_O);
    m.mnuFileImport = entry(m.mnuFile, "mnuFileImport", "&Import...");
    separator(m.mnuFile, "mnuFileSep1");
    m.mnuFileSave = entry(m.mnuFile, "mnuFileSave", "&Save", Qt::CTRL | Qt::Key_S);
    m.mnuFileSaveAs = entry(m.mnuFile, "mnuFileSaveAs", "Save as");
    m.mnuFileChangePassword =
        entry(m.mnuFile, "mnuFileChangePassword", "C&hange Master Password...");
    separator(m.mnuFile, "mnuFileSep125");
    m.mnuFileExport = entry(m.mnuFile, "mnuFileExport", "Export");
    separator(m.mnuFile, "mnuFileSep15");
    m.mnuFilePrint = entry(m.mnuFile, "mnuFilePrint", "&Print", Qt::CTRL | Qt::Key_P);
    separator(m.mnuFile, "mnuFileSep2");
    m.mnuFileLock = entry(m.mnuFile, "mnuFileLock", "&Lock", Qt::CTRL | Qt::Key_L);
    // Also the window's own, so that its key works while MiniMode hides the menu.
    addAction(m.mnuFileLock);
    separator(m.mnuFile, "mnuFileSep25");
    m.mnuFileOptions = entry(m.mnuFile, "mnuFileOptions", "Op&tions");
    separator(m.mnuFile, "mnuFileSep3");
    m.mnuFileExit = entry(m.mnuFile, "mnuFileExit", "E&xit");

    m.mnuEdit = topMenu(bar, "mnuEdit", "&Edit");
    m.mnuEditUndo = history_.createUndoAction(m.mnuEdit);
    m.mnuEditUndo->setObjectName(QStringLiteral("mnuEditUndo"));
    m.mnuEditUndo->setShortcut(QKeySequence::Undo);
    m.mnuEditRedo = history_.createRedoAction(m.mnuEdit);
    m.mnuEditRedo->setObjectName(QStringLiteral("mnuEditRedo"));
    m.mnuEditRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence::Redo});
    m.mnuEdit->addAction(m.mnuEditUndo);
    m.mnuEdit->addAction(m.mnuEditRedo);

    m.mnuView = topMenu(bar, "mnuView", "&View");
    m.mnuViewToolbar = checkEntry(m.mnuView, "mnuViewToolbar", "&Toolbar", Qt::Key_F5, true);
    m.mnuViewStatusBar = checkEntry(m.mnuView, "mnuViewStatusBar", "&Status Bar", Qt::Key_F6, true);
    separator(m.mnuView, "mnuViewSep1");
    m.mnuViewOnTop = checkEntry(m.mnuView, "mnuViewOnTop", "&On top?", Qt::CTRL | Qt::Key_T, false);
    m.mnuViewMaskPasswords = checkEntry(m.mnuView, "mnuViewMaskPasswords", "&Mask passwords?",
                                        Qt::CTRL | Qt::Key_M, false);
    separator(m.mnuView, "mnuViewSep2");
    m.mnuViewMiniMode = entry(m.mnuView, "mnuViewMiniMode", "&MiniMode", Qt::CTRL | Qt::Key_I);

    m.mnuAccounts = topMenu(bar, "mnuAccounts", "&Accounts");
    m.mnuAccountsAdd = entry(m.mnuAccounts, "mnuAccountsAdd", "&Add", Qt::CTRL | Qt::Key_E);
    m.mnuAccountsRemove =
        entry(m.mnuAccounts, "mnuAccountsRemove", "&Remove", Qt::CTRL | Qt::Key_R);
    separator(m.mnuAccounts, "mnuAccountsSep1");
    m.mnuAccountsGenerate =
        entry(m.mnuAccounts, "mnuAccountsGenerate", "&Generate Password...", Qt::CTRL | Qt::Key_G);

    // Keys without a menu entry of their own: Delete in the list, Ctrl+F.
    m.lstAccountsDelete = new QAction(QStringLiteral("Remove"), lstAccounts);
    m.lstAccountsDelete->setObjectName(QStringLiteral("lstAccountsDelete"));
    m.lstAccountsDelete->setShortcut(QKeySequence::Delete);
    m.lstAccountsDelete->setShortcutContext(Qt::WidgetShortcut);
    lstAccounts->addAction(m.lstAccountsDelete);
    m.txtFindFocus = new QAction(QStringLiteral("Find"), this);
    m.txtFindFocus->setObjectName(QStringLiteral("txtFindFocus"));
    m.txtFindFocus->setShortcut(QKeySequence::Find);
    addAction(m.txtFindFocus);

    m.mnuCloseMiniMode = bar->addAction(QStringLiteral("&Close MiniMode"));
    m.mnuCloseMiniMode->setObjectName(QStringLiteral("mnuCloseMiniMode"));
    m.mnuCloseMiniMode->setVisible(false);

    m.mnuHelp = topMenu(bar, "mnuHelp", "&Help");
    m.mnuHelpFile = entry(m.mnuHelp, "mnuHelpFile", "&Help file", Qt::Key_F1);
    separator(m.mnuHelp, "mnuHelpSep1");
    m.mnuHelpAbout = entry(m.mnuHelp, "mnuHelpAbout", "&About");

    auto route = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, handler);
    };
    route(m.mnuFileNew, [this] { NewFile(); });
    route(m.mnuFileOpen, [this] { OpenFile(*this); });
    route(m.mnuFileImport, [this] { ImportAccounts(*this); });
    route(m.mnuFileSave, [this] { SaveFile(*this); });
    route(m.mnuFileSaveAs, [this] { SaveFileAs(*this); });
    route(m.mnuFileChangePassword, [this] { mnuFileChangePassword_Click(); });
    route(m.mnuFileLock, [this] { requestLock(); });
    route(m.mnuFileExport, [this] { ExportAccounts(*this); });
    route(m.mnuFilePrint, [this] { PrintAccounts(*this); });
    route(m.mnuFileOptions, [this] { showOptions(this); });
    route(m.mnuFileExit, [this] { close(); });
    route(m.mnuViewToolbar, [this] { mnuViewToolbar_Click(); });
    route(m.mnuViewStatusBar, [this] { mnuViewStatusBar_Click(); });
    route(m.mnuViewOnTop, [this] { mnuViewOnTop_Click(); });
    route(m.mnuViewMaskPasswords, [this] { mnuViewMaskPasswords_Click(); });
    route(m.mnuViewMiniMode, [this] { SetMiniMode(true); });
    route(m.mnuCloseMiniMode, [this] { SetMiniMode(false); });
    route(m.mnuAccountsAdd, [this] {
        AddAccount();
        // Marked changed even when the limit refused the new account.
        file_.FileSaved = false;
    });
    route(m.mnuAccountsRemove, [this] { mnuAccountsRemove_Click(); });
    route(m.lstAccountsDelete, [this] { mnuAccountsRemove_Click(); });
    route(m.mnuAccountsGenerate, [this] { mnuAccountsGenerate_Click(); });
    route(m.txtFindFocus, [this] { focusFindBox(); });
    route(m.mnuHelpFile, [this] { openHelpFile(this); });
    route(m.mnuHelpAbout, [this] { showAbout(this); });
}

void FrmMain::buildToolbar() {
    tbToolbar->setIconSize(QSize(32, 32));
    tbToolbar->setMovable(false);
    tbToolbar->setFloatable(false);
    tbToolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    struct Button {
        const char* key; // the artwork's key; nullptr for a separator
        QAction* command;
        const char* tooltip;
    };
    const Button buttons[] = {{"new", menu_.mnuFileNew, "New"},
                              {"open", menu_.mnuFileOpen, "Open"},
                              {nullptr, nullptr, nullptr},
                              {"save", menu_.mnuFileSave, "Save"},
                              {nullptr, nullptr, nullptr},
                              {"print", menu_.mnuFilePrint, "Print"},
                              {"lock", menu_.mnuFileLock, "Lock"},
                              {nullptr, nullptr, nullptr},
                              {"ontop", menu_.mnuViewOnTop, "On top?"},
                              {"maskpasswords", menu_.mnuViewMaskPasswords, "Mask passwords?"},
                              {nullptr, nullptr, nullptr},
                              {"add", menu_.mnuAccountsAdd, "Add account"},
                              {"remove", menu_.mnuAccountsRemove, "Remove account"},
                              {nullptr, nullptr, nullptr}};
    for (const Button& b : buttons) {
        if (b.key == nullptr) {
            tbToolbar->addSeparator();
            continue;
        }
        QAction* action = b.command;
        action->setIcon(artwork::icon(QLatin1String(b.key)));
        action->setIconVisibleInMenu(false);
        action->setToolTip(QLatin1String(b.tooltip));
        tbToolbar->addAction(action);
        QWidget* button = tbToolbar->widgetForAction(action);
        button->setObjectName(QStringLiteral("tb_") + QLatin1String(b.key));
        button->setFixedSize(39, 38);
        button->setAccessibleName(QLatin1String(b.tooltip));
    }
}

void FrmMain::enableRemoveButton(bool enabled) {
    // The button, not the shared action: no menu entry is ever disabled.
    tbToolbar->widgetForAction(menu_.mnuAccountsRemove)->setEnabled(enabled);
}

} // namespace lb
