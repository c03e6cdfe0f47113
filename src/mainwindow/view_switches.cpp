// The view switches of frmMain: mini mode, toolbar and status bar, always on
// top and password masking. None of them is stored or marks the file changed.

#include "mainwindow/frm_main.h"

#include <QMenuBar>

namespace lb {

void FrmMain::SetMiniMode(bool mode) {
    InMiniMode = mode;
    for (const char* name : {"mnuFile", "mnuView", "mnuAccounts", "mnuHelp"}) {
        QAction* menu = menu_.value(QLatin1String(name));
        menu->setVisible(!mode);
        // A hidden menu's shortcuts must not reach its entries.
        for (QAction* entry : menu->menu()->actions()) {
            entry->setShortcutContext(mode ? Qt::WidgetShortcut : Qt::WindowShortcut);
        }
    }
    menu_.value(QStringLiteral("mnuCloseMiniMode"))->setVisible(mode);
    Form_Resize();
}

void FrmMain::mnuViewToolbar_Click() {
    // The entry is checkable: choosing it has already reversed its check mark.
    tbToolbar->setVisible(menu_.value(QStringLiteral("mnuViewToolbar"))->isChecked());
    Form_Resize();
}

void FrmMain::mnuViewStatusBar_Click() {
    sbStatus->setVisible(menu_.value(QStringLiteral("mnuViewStatusBar"))->isChecked());
    Form_Resize();
}

void FrmMain::mnuViewOnTop_Click() {
    const bool onTop = menu_.value(QStringLiteral("mnuViewOnTop"))->isChecked();
    toolbar_.value(QStringLiteral("ontop"))->setChecked(onTop);
    // Changing a window flag hides the window; show it again where it was.
    const bool wasVisible = isVisible();
    const QRect where = geometry();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible) {
        setGeometry(where);
        show();
    }
}

void FrmMain::mnuViewMaskPasswords_Click() {
    const bool masked = menu_.value(QStringLiteral("mnuViewMaskPasswords"))->isChecked();
    picView->setPasswordMasked(masked);
    toolbar_.value(QStringLiteral("maskpasswords"))->setChecked(masked);
    model_.setMasked(masked);
    SetStatusText(QString());
}

} // namespace lb
