#include "dialogs/frm_options.h"

#include "platform/clipboard.h"
#include "platform/file_dialog.h"
#include "platform/modal_dialogs.h"
#include "platform/settings.h"
#include "platform/texts.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

namespace lb {
namespace {

// The dialog's designed client area in twips; it grows only when the
// system font needs more room than the design allowed.
constexpr double kClientWidthTwips = 6915;
constexpr double kClientHeightTwips = 2955;

// A group's bold heading, followed by an etched line to the right edge.
QHBoxLayout* heading(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    row->addWidget(line, 1);
    return row;
}

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

FrmOptions::FrmOptions(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      // Created in tab order, which Qt follows from creation.
      chkAutoSave(named(new QCheckBox(QStringLiteral("&Automatically save on exit?"), this),
                        "chkAutoSave")),
      chkStartInMiniMode(
          named(new QCheckBox(QStringLiteral("&Start in MiniMode?"), this), "chkStartInMiniMode")),
      txtDefaultFile(named(new QLineEdit(this), "txtDefaultFile")),
      cmdBrowseForDefaultFile(
          named(new QPushButton(QStringLiteral(". . ."), this), "cmdBrowseForDefaultFile")),
      chkClearClipboardExit(
          named(new QCheckBox(QStringLiteral("C&lear the Windows clipboard on exit?"), this),
                "chkClearClipboardExit")),
      cmdClearClipboard(
          named(new QPushButton(QStringLiteral("Clear &now"), this), "cmdClearClipboard")),
      chkShowCopyWarning(named(
          new QCheckBox(
              QStringLiteral("S&how warning when you copy passwords to the Windows clipboard?"),
              this),
          "chkShowCopyWarning")),
      chkRandomPasswordFromGenerator(named(
          new QCheckBox(
              QStringLiteral("&Ran. Password uses the password generator's last settings?"), this),
          "chkRandomPasswordFromGenerator")),
      cmdOk(named(new QPushButton(QStringLiteral("&Ok"), this), "cmdOk")),
      cmdCancel(named(new QPushButton(QStringLiteral("&Cancel"), this), "cmdCancel")) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));

    // Numbers of seconds and minutes, each between the words that say what it is.
    const auto numberRow = [this](QSpinBox*& spin, const char* name, const QString& before,
                                  const QString& after, int most) {
        auto* row = new QHBoxLayout;
        auto* label = new QLabel(before, this);
        spin = named(new QSpinBox(this), name);
        spin->setRange(0, most);
        label->setBuddy(spin);
        spin->setAccessibleName(QString(before).remove(QLatin1Char('&')) + QLatin1Char(' ') +
                                after);
        row->addWidget(label);
        row->addWidget(spin);
        row->addWidget(new QLabel(after, this), 1);
        return row;
    };
    QHBoxLayout* clearRow =
        numberRow(spnClearClipboardSeconds, "spnClearClipboardSeconds",
                  QStringLiteral("Clear the clipboard a&fter"),
                  QStringLiteral("seconds after a password copy (0: only when asked)"), 3600);
    QHBoxLayout* lockRow = numberRow(
        spnLockAfterIdleMinutes, "spnLockAfterIdleMinutes", QStringLiteral("Loc&k the file after"),
        QStringLiteral("minutes without a key or a click (0: never)"), 24 * 60);
    chkLockOnScreenLock = named(
        new QCheckBox(QStringLiteral("Lock &when the screen locks or the computer goes to sleep?"),
                      this),
        "chkLockOnScreenLock");
    // Created after the buttons; the tab order follows the page.
    setTabOrder(chkRandomPasswordFromGenerator, spnClearClipboardSeconds);
    setTabOrder(spnClearClipboardSeconds, spnLockAfterIdleMinutes);
    setTabOrder(spnLockAfterIdleMinutes, chkLockOnScreenLock);
    setTabOrder(chkLockOnScreenLock, cmdOk);
    setTabOrder(cmdOk, cmdCancel);

    auto* lblDefaultFile = new QLabel(QStringLiteral("Default file:"), this);
    lblDefaultFile->setBuddy(txtDefaultFile);
    // ". . ." says nothing to a screen reader.
    cmdBrowseForDefaultFile->setAccessibleName(QStringLiteral("Browse for the default file"));
    cmdBrowseForDefaultFile->setToolTip(QStringLiteral("Browse for the default file"));
    const int browseWidth =
        cmdBrowseForDefaultFile->fontMetrics().horizontalAdvance(cmdBrowseForDefaultFile->text()) +
        16;
    cmdBrowseForDefaultFile->setFixedWidth(browseWidth);

    // Enter confirms and Escape cancels, as in every other dialog; the two
    // helper buttons never act on Enter unless they have the focus.
    cmdOk->setDefault(true);
    cmdBrowseForDefaultFile->setAutoDefault(false);
    cmdClearClipboard->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);

    const int indent = 12;
    auto* general = new QGridLayout;
    general->setContentsMargins(indent, 0, 0, 0);
    general->addWidget(chkAutoSave, 0, 0, 1, 3);
    general->addWidget(chkStartInMiniMode, 1, 0, 1, 3);
    general->addWidget(lblDefaultFile, 2, 0);
    general->addWidget(txtDefaultFile, 2, 1);
    general->addWidget(cmdBrowseForDefaultFile, 2, 2);
    general->setHorizontalSpacing(4);
    general->setColumnStretch(1, 1);

    auto* security = new QGridLayout;
    security->setContentsMargins(indent, 0, 0, 0);
    security->addWidget(chkClearClipboardExit, 0, 0);
    security->addWidget(cmdClearClipboard, 0, 1, Qt::AlignRight);
    security->addWidget(chkShowCopyWarning, 1, 0, 1, 2);
    security->addWidget(chkRandomPasswordFromGenerator, 2, 0, 1, 2);
    security->addLayout(clearRow, 3, 0, 1, 2);
    security->addLayout(lockRow, 4, 0, 1, 2);
    security->addWidget(chkLockOnScreenLock, 5, 0, 1, 2);
    security->setColumnStretch(0, 1);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);

    auto* page = new QVBoxLayout(this);
    page->addLayout(heading(this, QStringLiteral("General")));
    page->addLayout(general);
    page->addSpacing(4);
    page->addLayout(heading(this, QStringLiteral("Security")));
    page->addLayout(security);
    page->addStretch(1);
    page->addWidget(separator);
    page->addLayout(buttons);

    const QSize designed(static_cast<int>(std::lround(twipsToPixels(this, kClientWidthTwips))),
                         static_cast<int>(std::lround(twipsToPixels(this, kClientHeightTwips))));
    setFixedSize(designed.expandedTo(sizeHint()));

    connect(cmdOk, &QPushButton::clicked, this, &FrmOptions::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdClearClipboard, &QPushButton::clicked, this, [] { ClearClipboard(); });
    connect(cmdBrowseForDefaultFile, &QPushButton::clicked, this,
            &FrmOptions::cmdBrowseForDefaultFile_Click);

    Form_Load();
    chkAutoSave->setFocus();
}

void FrmOptions::Form_Load() {
    using namespace settings;
    chkAutoSave->setChecked(optionOn(kAutoSave, false));
    chkStartInMiniMode->setChecked(optionOn(kStartInMiniMode, false));
    txtDefaultFile->setText(GetSetting(kOptions, kDefaultFile, QString()));
    chkClearClipboardExit->setChecked(optionOn(kClearClipboardOnExit, true));
    chkShowCopyWarning->setChecked(optionOn(kCopyPasswordWarning, true));
    chkRandomPasswordFromGenerator->setChecked(optionOn(kRandomPasswordFromGenerator, false));
    spnClearClipboardSeconds->setValue(
        static_cast<int>(std::lround(numberOption(kClearClipboardSeconds, 30, 3600))));
    spnLockAfterIdleMinutes->setValue(
        static_cast<int>(std::lround(numberOption(kLockAfterIdleMinutes, 15, 24 * 60))));
    chkLockOnScreenLock->setChecked(optionOn(kLockOnScreenLock, true));
}

void FrmOptions::cmdOk_Click() {
    using namespace settings;
    // All of them every time, changed or not; the path exactly as typed.
    saveOption(kAutoSave, chkAutoSave->isChecked());
    saveOption(kStartInMiniMode, chkStartInMiniMode->isChecked());
    SaveSetting(kOptions, kDefaultFile, txtDefaultFile->text());
    saveOption(kClearClipboardOnExit, chkClearClipboardExit->isChecked());
    saveOption(kCopyPasswordWarning, chkShowCopyWarning->isChecked());
    saveOption(kRandomPasswordFromGenerator, chkRandomPasswordFromGenerator->isChecked());
    saveNumberOption(kClearClipboardSeconds, spnClearClipboardSeconds->value());
    saveNumberOption(kLockAfterIdleMinutes, spnLockAfterIdleMinutes->value());
    saveOption(kLockOnScreenLock, chkLockOnScreenLock->isChecked());
    accept();
}

void FrmOptions::cmdBrowseForDefaultFile_Click() {
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogRequest::Kind::Open;
    request.title = QStringLiteral("Select default file:");
    request.filter = texts::kAccountFileFilter;
    // A cancelled or failed dialog leaves the box as it was.
    if (const auto chosen = ui::askForFile(this, request)) {
        txtDefaultFile->setText(chosen->path);
    }
}

void showOptions(QWidget* mainWindow) {
    if (ui::dialogsRefused()) {
        return;
    }
    FrmOptions dialog(mainWindow);
    const ui::ModalScope modal;
    dialog.exec();
}

} // namespace lb
