#include "dialogs/password_prompt.h"

#include "dialogs/frm_password.h"

namespace lb::ui {
namespace {

PasswordHook& hook() {
    static PasswordHook h;
    return h;
}

} // namespace

void setPasswordHook(PasswordHook h) {
    hook() = std::move(h);
}

QString GetPassword(QWidget* mainWindow, bool confirm) {
    if (hook()) {
        return hook()(confirm);
    }
    FrmPassword dialog(mainWindow);
    return dialog.GetPassword(confirm);
}

} // namespace lb::ui
