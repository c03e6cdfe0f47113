#include "dialogs/frm_password.h"

#include "platform/account_text.h"
#include "platform/asterisk_style.h"
#include "platform/message_box.h"
#include "platform/texts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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
    auto* lblWarning = new QLabel(
        QStringLiteral("Warning: Passwords in Lockerbook are always case-sensitive."), this);

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
    grid->addWidget(lblConfirm, 1, 0);
    grid->addWidget(txtConfirm, 1, 1);
    grid->addWidget(lblWarning, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

QString FrmPassword::GetPassword(bool confirm) {
    if (!confirm) {
        txtConfirm->setEnabled(false);
        // Drawn in the button-face colour so the unused box reads as inactive.
        QPalette palette = txtConfirm->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        txtConfirm->setPalette(palette);
    }
    txtPassword->setFocus();
    // Escape, Cancel and the frame's close box all reject: each means Cancel.
    const bool accepted = exec() == QDialog::Accepted;
    if (QWidget* owner = parentWidget(); owner != nullptr && owner->isVisible()) {
        owner->raise();
        owner->activateWindow();
    }
    return accepted ? txtPassword->text() : QString();
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
    accept();
}

} // namespace lb
