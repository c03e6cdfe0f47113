#include "dialogs/frm_clear.h"

#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "platform/settings.h"
#include "platform/texts.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <algorithm>
#include <cmath>

namespace lb {
namespace {

const QString kPromptText =
    QStringLiteral("Copy the password into the application or website and then click Ok to clear "
                   "the Windows clipboard. Never leave your password on the clipboard.");
const QString kNoMorePromptText =
    QStringLiteral("From now on, the clipboard will not be cleared after you have copied "
                   "passwords to it. You can enable this prompt at any time through the options "
                   "window.");

// The prompt's designed layout, in twips.
constexpr QRect kLabelTwips{60, 120, 3555, 675};
constexpr QRect kOkTwips{180, 960, 3315, 435};
constexpr QRect kCancelTwips{180, 1500, 3315, 435};
constexpr QRect kCheckTwips{180, 2100, 3255, 255};
constexpr QSize kClientTwips{3675, 2505};

QRect toPixels(const QWidget* w, const QRect& twips) {
    const auto px = [w](int t) { return static_cast<int>(std::lround(twipsToPixels(w, t))); };
    return QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
}

} // namespace

FrmClear::FrmClear(QWidget* mainWindow)
    : QDialog(mainWindow,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      lblPrompt(new QLabel(kPromptText, this)),
      cmdOk(new QPushButton(QStringLiteral("&Ok, clear the clipboard"), this)),
      cmdCancel(new QPushButton(QStringLiteral("&No, don't clear the clipboard"), this)),
      chkDontShowWindow(new QCheckBox(QStringLiteral("&Don't show this window again?"), this)) {
    setObjectName(QStringLiteral("frmClear"));
    setWindowTitle(QStringLiteral("Clear clipboard"));
    setAttribute(Qt::WA_DeleteOnClose);
    lblPrompt->setObjectName(QStringLiteral("lblPrompt"));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    chkDontShowWindow->setObjectName(QStringLiteral("chkDontShowWindow"));

    lblPrompt->setWordWrap(true);
    lblPrompt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The design's sizes assume a small 8-point system font. A larger font
    // gets the room its wrapped prompt needs, and the controls below move down
    // by as much, so no line of the prompt is cut off.
    const QRect label = toPixels(this, kLabelTwips);
    const int extra = std::max(0, lblPrompt->heightForWidth(label.width()) - label.height());
    lblPrompt->setGeometry(label.adjusted(0, 0, 0, extra));
    cmdOk->setGeometry(toPixels(this, kOkTwips).translated(0, extra));
    cmdCancel->setGeometry(toPixels(this, kCancelTwips).translated(0, extra));
    const QRect check = toPixels(this, kCheckTwips).translated(0, extra);
    chkDontShowWindow->setGeometry(
        check.adjusted(0, 0, std::max(0, chkDontShowWindow->sizeHint().width() - check.width()),
                       std::max(0, chkDontShowWindow->sizeHint().height() - check.height())));
    const QSize client = toPixels(this, QRect(QPoint(0, 0), kClientTwips)).size();
    setFixedSize(client.width(), client.height() + extra);

    connect(cmdOk, &QPushButton::clicked, this, &FrmClear::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmClear::cmdOk_Click() {
    // What was copied since, here or in another program, is not the
    // password this prompt offered to clear.
    clearClipboardIfOurs();
    accept();
}

void FrmClear::done(int result) {
    const bool dontShowAgain = chkDontShowWindow->checkState() != Qt::Unchecked;
    if (dontShowAgain) {
        ui::showInformation(this, texts::kAppName, kNoMorePromptText);
    }
    settings::saveOption(settings::kCopyPasswordWarning, !dontShowAgain);
    QDialog::done(result);
}

namespace {

// The prompt on screen, if any.
QPointer<FrmClear> shown;

} // namespace

void showClearPrompt(QWidget* mainWindow) {
    // A prompt that has closed may wait a moment for its deletion; it does not count.
    if (shown.isNull() || !shown->isVisible()) {
        shown = new FrmClear(mainWindow);
    }
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void closeClearPrompt() {
    if (!shown.isNull() && shown->isVisible()) {
        shown->reject();
    }
}

} // namespace lb
