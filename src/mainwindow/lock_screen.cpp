#include "mainwindow/lock_screen.h"

#include "platform/artwork.h"
#include "platform/asterisk_style.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace lb {

LockScreen::LockScreen(QWidget* parent)
    : QWidget(parent), lblFile(new QLabel(this)), lblState(new QLabel(this)),
      txtUnlock(new QLineEdit(this)), cmdUnlock(new QPushButton(QStringLiteral("&Unlock"), this)),
      lblMessage(new QLabel(this)), barWorking(new QProgressBar(this)) {
    setObjectName(QStringLiteral("picLocked"));
    setAutoFillBackground(true);
    auto* icon = new QLabel(this);
    icon->setPixmap(artwork::icon(QStringLiteral("lock")).pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);
    lblFile->setObjectName(QStringLiteral("lblLockedFile"));
    QFont bold = lblFile->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    lblFile->setFont(bold);
    lblFile->setAlignment(Qt::AlignCenter);
    lblFile->setTextFormat(Qt::PlainText);
    lblState->setAlignment(Qt::AlignCenter);
    lblState->setWordWrap(true);
    txtUnlock->setObjectName(QStringLiteral("txtUnlock"));
    txtUnlock->setAccessibleName(QStringLiteral("Unlock"));
    txtUnlock->setPlaceholderText(QStringLiteral("Master password"));
    txtUnlock->setEchoMode(QLineEdit::Password);
    txtUnlock->setStyle(asteriskPasswordStyle());
    txtUnlock->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 30);
    cmdUnlock->setObjectName(QStringLiteral("cmdUnlock"));
    cmdUnlock->setAccessibleName(QStringLiteral("Unlock"));
    cmdUnlock->setDefault(true);
    lblMessage->setObjectName(QStringLiteral("lblUnlockMessage"));
    lblMessage->setAlignment(Qt::AlignCenter);
    barWorking->setRange(0, 0);
    barWorking->setTextVisible(false);
    barWorking->setAccessibleName(QStringLiteral("Working"));

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(txtUnlock);
    row->addWidget(cmdUnlock);
    row->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->addStretch(2);
    page->addWidget(icon);
    page->addWidget(lblFile);
    page->addWidget(lblState);
    page->addSpacing(8);
    page->addLayout(row);
    page->addWidget(lblMessage);
    page->addWidget(barWorking, 0, Qt::AlignHCenter);
    page->addStretch(3);

    connect(txtUnlock, &QLineEdit::returnPressed, this, &LockScreen::unlockRequested);
    connect(cmdUnlock, &QPushButton::clicked, this, &LockScreen::unlockRequested);
    ready();
}

void LockScreen::ready() {
    barWorking->hide();
    txtUnlock->setEnabled(true);
    cmdUnlock->setEnabled(true);
}

void LockScreen::showLocked(const QString& fileName, bool withPassword) {
    lblFile->setText(fileName);
    lblState->setText(
        withPassword
            ? QStringLiteral("Locked. The accounts are sealed; the master password brings them "
                             "back as they were.")
            : QStringLiteral("Locked. This list has no master password yet, so it is only "
                             "hidden, not sealed; Unlock brings it back as it was. Save it to "
                             "give it a master password."));
    txtUnlock->setVisible(withPassword);
    lblMessage->clear();
    ready();
    if (withPassword) {
        txtUnlock->setFocus();
    } else {
        cmdUnlock->setFocus();
    }
}

void LockScreen::showWorking(const QString& text) {
    lblMessage->setText(text);
    txtUnlock->setEnabled(false);
    cmdUnlock->setEnabled(false);
    barWorking->show();
}

void LockScreen::sayWrongPassword() {
    ready();
    lblMessage->setText(QStringLiteral("Wrong password."));
    txtUnlock->setFocus();
}

} // namespace lb
