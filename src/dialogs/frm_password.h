#pragma once
// frmPassword: asks for the master password of an account file, once when a
// file is opened, twice when a new file's password is being chosen. One
// dialog serves one question: create it, call GetPassword, let it go, so that
// nothing typed for an earlier file is ever shown again. A new password's
// strength shows under it as it is typed, and a very weak one is taken only
// after a question.

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace lb {

class StrengthMeter;

class FrmPassword : public QDialog {
    Q_OBJECT

public:
    // The owner is the main window, which takes no input while the dialog is up.
    explicit FrmPassword(QWidget* owner);

    // With confirm the password must be typed twice. Returns the password, or
    // the empty text when the person cancels or closes the dialog; an
    // accepted password is never empty.
    QString GetPassword(bool confirm);

    QLineEdit* txtPassword;
    QLineEdit* txtConfirm;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;
    StrengthMeter* meterStrength;

private:
    void cmdOk_Click();
};

} // namespace lb
