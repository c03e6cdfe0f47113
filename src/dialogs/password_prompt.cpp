#include "dialogs/password_prompt.h"

#include "core/messages.h"
#include "dialogs/frm_password.h"
#include "platform/account_text.h"
#include "platform/message_box.h"
#include "platform/modal_dialogs.h"
#include "platform/texts.h"

namespace lb::ui {
namespace {

// What a test put in place of the real service; empty in the program.
PasswordHook answer;

} // namespace

void setPasswordHook(PasswordHook h) {
    answer = std::move(h);
}

QString GetPassword(QWidget* mainWindow, bool confirm) {
    if (dialogsRefused()) {
        return {};
    }
    if (answer) {
        return answer(confirm);
    }
    FrmPassword dialog(mainWindow);
    return dialog.GetPassword(confirm);
}

void sayWrongPassword(QWidget* owner) {
    showCritical(owner, texts::kErrorTitle, texts::qtext(kWrongPasswordText));
}

std::optional<SecretBytes> GetCheckedPassword(QWidget* mainWindow, const PasswordCheck& check) {
    if (dialogsRefused()) {
        return std::nullopt;
    }
    if (!answer) {
        FrmPassword dialog(mainWindow);
        return dialog.GetCheckedPassword(check);
    }
    for (;;) {
        QString typed = answer(false);
        if (typed.isEmpty()) {
            return std::nullopt;
        }
        SecretBytes password = toSecretText(typed);
        wipeText(typed);
        if (check(password.view()) != PasswordVerdict::Wrong) {
            return password;
        }
        sayWrongPassword(mainWindow);
        if (dialogsRefused()) {
            return std::nullopt;
        }
    }
}

} // namespace lb::ui
