#pragma once
// frmPassword: asks for the master password of an account file, once when a
// file is opened, twice when a new file's password is being chosen. One
// dialog serves one question: create it, call GetPassword, let it go, so that
// nothing typed for an earlier file is ever shown again. A new password's
// strength shows under it as it is typed, and a very weak one is taken only
// after a question.

#include "core/secret.h"
#include "store/password_check.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace lb {

class StrengthMeter;

class FrmPassword : public QDialog {
    Q_OBJECT

public:
    // The owner is the main window, which takes no input while the dialog is up.
    explicit FrmPassword(QWidget* owner);
    // Overwrites what was typed before the boxes let it go.
    ~FrmPassword() override;

    // With confirm the password must be typed twice. Returns the password, or
    // the empty text when the person cancels or closes the dialog; an
    // accepted password is never empty.
    QString GetPassword(bool confirm);

    // For an existing file: Ok runs check while the dialog shows that it is
    // working; a wrong password is said and the dialog stays for another
    // try. The password in UTF-8, or nothing when the person cancels.
    std::optional<SecretBytes> GetCheckedPassword(const PasswordCheck& check);

    QLineEdit* txtPassword;
    QLineEdit* txtConfirm;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;
    StrengthMeter* meterStrength;
    QLabel* lblWorking;
    QProgressBar* barWorking;

private:
    void cmdOk_Click();
    // Runs the check; true when the dialog may close.
    bool checkTyped();
    void showWorking(bool working);

    PasswordCheck check_;
    std::optional<SecretBytes> checked_;
};

} // namespace lb
