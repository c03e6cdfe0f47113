#include "store/password_prompt.h"

#include "store/frm_password.h"

namespace lb::ui {

QString GetPassword(QWidget* mainWindow, bool confirm) {
    if (const PasswordHook& hook = passwordHook()) {
        return hook(confirm);
    }
    FrmPassword dialog(mainWindow);
    return dialog.GetPassword(confirm);
}

} // namespace lb::ui
