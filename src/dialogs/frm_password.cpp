#include "dialogs/frm_password.h"

#include "dialogs/password_prompt.h"
#include "dialogs/strength_meter.h"
#include "platform/account_text.h"
#include "platform/asterisk_style.h"
#include "platform/message_box.h"
#include "platform/modal_dialogs.h"
#include "platform/texts.h"
#include "store/file_steps.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QValidator>

namespace lb {
namespace {

constexpr int kMaxPasswordLength = 255;

// At most kMaxPasswordLength characters as a person sees them, in any script.
class LengthValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        return visibleLength(input) <= kMaxPasswordLength ? Acceptable : Invalid;
    }
};

QLineEdit* makePasswordBox(QWidget* parent, const QString& name, QValidator* validator) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setEchoMode(QLineEdit::Password);
    // Every typed character shows as an asterisk, whatever the style's habit.
    box->setStyle(asteriskPasswordStyle());
    box->setValidator(validator);
    return box;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QString& accessibleName) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(accessibleName);
    return button;
}

void informUser(QWidget* parent, const QString& text) {
    ui::showInformation(parent, texts::kAppName, text);
}

// A very weak master password gives the whole file away; it is the person's
// choice, but only once they have heard what it costs.
bool acceptVeryWeak(QWidget* parent) {
    return ui::showMessage(
               parent,
               ui::Message{texts::kAppName,
                           QStringLiteral("This master password is very weak: anyone who gets a "
                                          "copy of the file can find it in moments and read every "
                                          "password in it. Use it anyway?"),
                           QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::No, QMessageBox::No}) == QMessageBox::Yes;
}

} // namespace

FrmPassword::FrmPassword(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral("Enter password"));
    // Modal to the main window only: the clear-clipboard prompt, if open, stays usable.
    setWindowModality(owner != nullptr ? Qt::WindowModal : Qt::ApplicationModal);

    auto* validator = new LengthValidator(this);
    txtPassword = makePasswordBox(this, QStringLiteral("txtPassword"), validator);
    txtConfirm = makePasswordBox(this, QStringLiteral("txtConfirm"), validator);
    auto* lblPassword = new QLabel(QStringLiteral("Password"), this);
    auto* lblConfirm = new QLabel(QStringLiteral("Confirm"), this);
    lblPassword->setBuddy(txtPassword);
    lblConfirm->setBuddy(txtConfirm);
    txtPassword->setAccessibleName(lblPassword->text());
    txtConfirm->setAccessibleName(lblConfirm->text());
    meterStrength = new StrengthMeter(this);
    meterStrength->setObjectName(QStringLiteral("meterStrength"));
    connect(txtPassword, &QLineEdit::textChanged, meterStrength, &StrengthMeter::setPassword);
    auto* lblWarning = new QLabel(
        QStringLiteral("Warning: Passwords in Lockerbook are always case-sensitive."), this);
    // While the file's key is derived (about half a second) the dialog stays,
    // saying so, rather than leaving the screen blank.
    lblWorking = new QLabel(QStringLiteral("Checking the password..."), this);
    lblWorking->setObjectName(QStringLiteral("lblWorking"));
    barWorking = new QProgressBar(this);
    barWorking->setObjectName(QStringLiteral("barWorking"));
    barWorking->setAccessibleName(lblWorking->text());
    barWorking->setRange(0, 0);
    barWorking->setTextVisible(false);
    lblWorking->hide();
    barWorking->hide();

    cmdOk = makeButton(this, QStringLiteral("cmdOk"), QStringLiteral("&Ok"), QStringLiteral("Ok"));
    cmdCancel = makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"),
                           QStringLiteral("Cancel"));
    // Enter in either box reaches the dialog, which presses its default button.
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &FrmPassword::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblPassword, 0, 0);
    grid->addWidget(txtPassword, 0, 1);
    grid->addWidget(meterStrength, 1, 1);
    grid->addWidget(lblConfirm, 2, 0);
    grid->addWidget(txtConfirm, 2, 1);
    grid->addWidget(lblWarning, 3, 0, 1, 2);
    grid->addWidget(lblWorking, 4, 0, 1, 2);
    grid->addWidget(barWorking, 5, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 6, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

QString FrmPassword::GetPassword(bool confirm) {
    // Strength matters when a password is chosen, not when a file is opened.
    meterStrength->setVisible(confirm);
    if (!confirm) {
        txtConfirm->setEnabled(false);
        // Drawn in the button-face colour so the unused box reads as inactive.
        QPalette palette = txtConfirm->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        txtConfirm->setPalette(palette);
    }
    txtPassword->setFocus();
    // Escape, Cancel and the frame's close box all reject: each means Cancel.
    const ui::ModalScope modal;
    const bool accepted = exec() == QDialog::Accepted;
    if (QWidget* owner = parentWidget(); owner != nullptr && owner->isVisible()) {
        owner->raise();
        owner->activateWindow();
    }
    // A copy of its own: the box's text is wiped when the dialog goes.
    const QString typed = txtPassword->text();
    return accepted ? QString(typed.constData(), typed.size()) : QString();
}

FrmPassword::~FrmPassword() {
    wipeBoxText(txtPassword);
    wipeBoxText(txtConfirm);
}

void FrmPassword::cmdOk_Click() {
    if (txtConfirm->isEnabled() && txtPassword->text() != txtConfirm->text()) {
        informUser(this,
                   QStringLiteral(
                       "The passwords entered do not match each other, try typing them again."));
        return;
    }
    if (txtPassword->text().isEmpty()) {
        informUser(this, QStringLiteral("Passwords cannot be null strings."));
        return;
    }
    if (txtConfirm->isEnabled() &&
        strengthOf(txtPassword->text()).level == StrengthLevel::VeryWeak && !acceptVeryWeak(this)) {
        return;
    }
    if (check_ && !checkTyped()) {
        return;
    }
    accept();
}

void FrmPassword::showWorking(bool working) {
    lblWorking->setVisible(working);
    barWorking->setVisible(working);
    txtPassword->setEnabled(!working);
    cmdOk->setEnabled(!working);
}

bool FrmPassword::checkTyped() {
    QString typed = txtPassword->text();
    SecretBytes password = toSecretText(typed);
    wipeText(typed);
    showWorking(true);
    // The dialog paints and shows its progress; input waits until the check ends.
    const PasswordVerdict verdict =
        whilePainting([this, &password] { return check_(password.view()); });
    showWorking(false);
    if (verdict == PasswordVerdict::Wrong) {
        ui::sayWrongPassword(this);
        wipeBoxText(txtPassword);
        txtPassword->setFocus();
        return false;
    }
    checked_ = std::move(password);
    return true;
}

std::optional<SecretBytes> FrmPassword::GetCheckedPassword(const PasswordCheck& check) {
    check_ = check;
    GetPassword(false);
    // Whatever was typed goes before the dialog's memory is let go.
    wipeBoxText(txtPassword);
    return std::move(checked_);
}

} // namespace lb
