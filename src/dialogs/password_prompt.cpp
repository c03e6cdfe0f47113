#include "dialogs/password_prompt.h"

#include "dialogs/frm_password.h"

namespace lb::ui {
namespace {

// What a test put in place of the real service; empty in the program.
PasswordHook answer;

} // namespace

void setPasswordHook(PasswordHook h) {
    answer = std::move(h);
}

QString GetPassword(QWidget* mainWindow, bool confirm) {
    if (answer) {
        return answer(confirm);
    }
    FrmPassword dialog(mainWindow);
    return dialog.GetPassword(confirm);
}

} // namespace lb::ui
