#pragma once
// Every command of the main window as one QAction, shared by the menu bar
// and the toolbar, so that a check mark and its pressed button are one state
// and no code has to keep them in step. Named as the menu entries they are.

class QAction;
class QMenu;

namespace lb {

struct MainCommands {
    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileImport = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileChangePassword = nullptr;
    QAction* mnuFileExport = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFileLock = nullptr;
    QAction* mnuFileOptions = nullptr;
    QAction* mnuFileExit = nullptr;

    QMenu* mnuEdit = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;

    QMenu* mnuView = nullptr;
    QAction* mnuViewToolbar = nullptr;
    QAction* mnuViewStatusBar = nullptr;
    QAction* mnuViewOnTop = nullptr;
    QAction* mnuViewMaskPasswords = nullptr;
    QAction* mnuViewMiniMode = nullptr;

    QMenu* mnuAccounts = nullptr;
    QAction* mnuAccountsAdd = nullptr;
    QAction* mnuAccountsRemove = nullptr;
    QAction* mnuAccountsGenerate = nullptr;
    // The Delete key in the list: Remove.
    QAction* lstAccountsDelete = nullptr;
    // Ctrl+F: to the find box.
    QAction* txtFindFocus = nullptr;

    // A top-level entry without a menu, shown only in mini mode.
    QAction* mnuCloseMiniMode = nullptr;

    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpFile = nullptr;
    QAction* mnuHelpAbout = nullptr;
};

} // namespace lb
