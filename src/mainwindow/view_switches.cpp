// The view switches of frmMain: mini mode, toolbar and status bar, always on
// top and password masking. None of them is stored or marks the file changed.

#include "mainwindow/account_list_view.h"
#include "mainwindow/detail_pane.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/splitter_bar.h"
#include "store/account_table_model.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

namespace lb {

void FrmMain::SetMiniMode(bool mode) {
    InMiniMode = mode;
    for (QMenu* menu :
         {menu_.mnuFile, menu_.mnuEdit, menu_.mnuView, menu_.mnuAccounts, menu_.mnuHelp}) {
        menu->menuAction()->setVisible(!mode);
        // A hidden menu's shortcuts must not reach its entries; Lock alone
        // stays at hand, as stepping away is no time to leave MiniMode first.
        for (QAction* entry : menu->actions()) {
            if (entry != menu_.mnuFileLock) {
                entry->setShortcutContext(mode ? Qt::WidgetShortcut : Qt::WindowShortcut);
            }
        }
    }
    menu_.mnuCloseMiniMode->setVisible(mode);
    // The list covers everything else; what it covers must not take focus, a
    // key or a click, so it is hidden while MiniMode lasts. The toolbar and the
    // status bar come back as their check marks say.
    for (QWidget* covered : std::initializer_list<QWidget*>{picView, picSeperator, shpAccounts}) {
        covered->setVisible(!mode);
    }
    tbToolbar->setVisible(!mode && menu_.mnuViewToolbar->isChecked());
    sbStatus->setVisible(!mode && menu_.mnuViewStatusBar->isChecked());
    if (mode) {
        lstAccounts->setFocus();
    }
    // A toolbar button takes its state from its action whenever the action
    // changes, as the shortcuts just did; "remove" follows the shown account.
    enableRemoveButton(ViewingAccount() >= 0);
    Form_Resize();
}

void FrmMain::mnuViewToolbar_Click() {
    // The entry is checkable: choosing it has already reversed its check mark.
    tbToolbar->setVisible(menu_.mnuViewToolbar->isChecked());
    Form_Resize();
}

void FrmMain::mnuViewStatusBar_Click() {
    sbStatus->setVisible(menu_.mnuViewStatusBar->isChecked());
    Form_Resize();
}

void FrmMain::mnuViewOnTop_Click() {
    // One action serves the entry and the button, so the check mark and the
    // pressed state are the same state. Changing a window flag hides the
    // window; show it again where it was.
    const bool onTop = menu_.mnuViewOnTop->isChecked();
    const bool wasVisible = isVisible();
    const QRect where = geometry();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible) {
        setGeometry(where);
        show();
    }
}

void FrmMain::mnuViewMaskPasswords_Click() {
    const bool masked = menu_.mnuViewMaskPasswords->isChecked();
    picView->setPasswordMasked(masked);
    model_.setMasked(masked);
    SetStatusText(QString());
}

} // namespace lb
