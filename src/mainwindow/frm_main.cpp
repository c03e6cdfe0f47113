#include "mainwindow/frm_main.h"

#include "core/classic_file.h"
#include "core/clock.h"
#include "dialogs/frm_clear.h"
#include "dialogs/password_prompt.h"
#include "mainwindow/account_list_view.h"
#include "mainwindow/detail_pane.h"
#include "mainwindow/help.h"
#include "mainwindow/splitter_bar.h"
#include "platform/account_text.h"
#include "platform/artwork.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "platform/settings.h"
#include "platform/texts.h"
#include "platform/twips.h"
#include "store/copy_commands.h"
#include "store/table_edits.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QHeaderView>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>
#include <cmath>

namespace lb {

FrmMain::FrmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(texts::kAppName);
    model_.setIcons(artwork::icon(QStringLiteral("account")),
                    artwork::icon(QStringLiteral("sortup")),
                    artwork::icon(QStringLiteral("sortdown")));
    buildClientArea();
    buildCommands();
    buildToolbar();
    buildFindBox();
    buildHistory();
    connectDetailPane();
    connect(&clipboardTimer_, &QTimer::timeout, this, &FrmMain::clearCopiedPassword);
    buildLock();
    resize(qRound(twipsToPixels(this, kDesignedClientWidthTwips)),
           qRound(twipsToPixels(this, kDesignedClientHeightTwips)) +
               menuBar()->sizeHint().height());
    Form_Load();
}

FrmMain::~FrmMain() {
    // Closing takes the focus from the detail pane, whose boxes then judge
    // their text once more; by then this window's file state is gone.
    picView->setTextRules({}, {});
}

void FrmMain::buildClientArea() {
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    shpAccounts = new QFrame(client);
    shpAccounts->setObjectName(QStringLiteral("shpAccounts"));
    shpAccounts->setFrameShape(QFrame::Box);
    shpAccounts->setLineWidth(1);
    QPalette outline = shpAccounts->palette();
    outline.setColor(QPalette::WindowText, outline.color(QPalette::Dark));
    shpAccounts->setPalette(outline);

    tbToolbar = new QToolBar(client);
    tbToolbar->setObjectName(QStringLiteral("tbToolbar"));
    tbToolbar->setAccessibleName(QStringLiteral("Toolbar"));

    picView = new DetailPane(client);

    picSeperator = new SplitterBar(client);
    picSeperator->setObjectName(QStringLiteral("picSeperator"));
    picSeperator->setGeometry(203, 0, 5, 100);

    sbStatus = new QStatusBar(client);
    sbStatus->setObjectName(QStringLiteral("sbStatus"));
    sbStatus->setSizeGripEnabled(false);
    // No fixed accessible name: a screen reader then hears the message itself,
    // and is told each time it changes.
    connect(sbStatus, &QStatusBar::messageChanged, this, [this] {
        QAccessibleEvent changed(sbStatus, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    });

    lstAccounts = new AccountListView(client);
    lstAccounts->setModel(&model_);
    connect(lstAccounts->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { model_.columnClicked(column); });
    connect(lstAccounts->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    lstAccounts_ItemClick(current.row());
                }
            });
    connect(lstAccounts, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && index.row() == model_.viewingRow()) {
            lstAccounts_ItemClick(index.row());
        }
    });

    picSlideLine = new QWidget(client);
    picSlideLine->setObjectName(QStringLiteral("picSlideLine"));
    picSlideLine->setAutoFillBackground(true);
    QPalette shadow = picSlideLine->palette();
    shadow.setColor(QPalette::Window, shadow.color(QPalette::Dark));
    picSlideLine->setPalette(shadow);
    picSlideLine->hide();

    connect(picSeperator, &SplitterBar::pressed, this, &FrmMain::picSeperator_MouseDown);
    connect(picSeperator, &SplitterBar::moved, this, &FrmMain::picSeperator_MouseMove);
    connect(picSeperator, &SplitterBar::released, this, &FrmMain::picSeperator_MouseUp);

    // Stacking from the bottom: the rectangle, the toolbar, the detail pane,
    // the splitter, the status bar, the list, the guide line.
    for (QWidget* w : std::initializer_list<QWidget*>{shpAccounts, tbToolbar, picView, picSeperator,
                                                      sbStatus, lstAccounts, picSlideLine}) {
        w->raise();
    }
    setTabOrder(lstAccounts, picView->txtViewAccountName);
}

void FrmMain::connectDetailPane() {
    picView->setTextRules([this] { return file_.kind == FileKind::Classic; },
                          [this](char32_t c) {
                              SetStatusText(QStringLiteral("The legacy format of this file cannot "
                                                           "keep %1. To keep it, choose Save As "
                                                           "and the file type \"Lockerbook "
                                                           "Files\", which keeps every character.")
                                                .arg(texts::qtext(characterName(c))));
                          });
    for (QWidget* box : picView->textBoxes()) {
        box->installEventFilter(this);
    }
    for (QLineEdit* box :
         std::initializer_list<QLineEdit*>{picView->txtViewAccountName, picView->txtViewUserName,
                                           picView->txtViewPassword, picView->txtViewURL}) {
        connect(box, &QLineEdit::textChanged, this, [this, box] { writeBack(box); });
    }
    connect(picView->txtViewNotes, &QPlainTextEdit::textChanged, this,
            [this] { writeBack(picView->txtViewNotes); });

    connect(picView->cmdViewCopyUserName, &QPushButton::clicked, this,
            [this] { copyUserNameOrUrl(*this, picView->txtViewUserName->text()); });
    connect(picView->cmdViewCopyURL, &QPushButton::clicked, this,
            [this] { copyUserNameOrUrl(*this, picView->txtViewURL->text()); });
    connect(picView->cmdViewCopyPassword, &QPushButton::clicked, this, &FrmMain::copyShownPassword);
    connect(picView->txtViewPassword, &PasswordBox::copyRequested, this,
            &FrmMain::copyShownPassword);
    connect(picView->cmdViewRandomPassword, &QPushButton::clicked, this,
            &FrmMain::cmdViewRandomPassword_Click);
    connect(picView->actViewGeneratePassword, &QAction::triggered, this,
            &FrmMain::mnuAccountsGenerate_Click);
    connect(picView->cmdViewGoURL, &QPushButton::clicked, this,
            [this] { goToUrl(picView->txtViewURL->text()); });
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        ++visit_;
        SelectAllText(qobject_cast<QWidget*>(watched));
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmMain::Form_Load() {
    Loading = true;
    // Each value that is missing or not a number leaves the designed value.
    auto restore = [](const QString& key, double current) {
        const QString text =
            settings::GetSetting(settings::kWindow, key, settings::numberText(current));
        return settings::toNumber(text).value_or(current);
    };
    const double tpp = twipsPerPixel(this);
    const double left = restore(QStringLiteral("Left"), x() * tpp);
    const double top = restore(QStringLiteral("Top"), y() * tpp);
    const double width = restore(QStringLiteral("Width"), this->width() * tpp);
    const double height = restore(QStringLiteral("Height"), this->height() * tpp);
    // A stored size larger than the desktop (or a strange number) is cut to
    // the desktop, and a position on no screen (a monitor since removed) is
    // left to the window system, so the window always comes back in view.
    const QScreen* screen = this->screen();
    const QRect desktop = screen != nullptr ? screen->virtualGeometry() : QRect(0, 0, 4096, 4096);
    const auto pixels = [tpp](double twips, int most) {
        return static_cast<int>(
            std::lround(std::clamp(twips / tpp, 1.0, double(std::max(1, most)))));
    };
    // A size too small to use (none at all, or a sliver a person cannot grab)
    // keeps the designed size the window was created with.
    constexpr int kLeastWidth = 160;
    constexpr int kLeastHeight = 120;
    const QSize stored(pixels(width, desktop.width()), pixels(height, desktop.height()));
    if (stored.width() >= kLeastWidth && stored.height() >= kLeastHeight) {
        resize(stored);
    }
    const bool placed =
        settings::GetSetting(settings::kWindow, QStringLiteral("Left"), {}) != QString() ||
        settings::GetSetting(settings::kWindow, QStringLiteral("Top"), {}) != QString();
    const QPoint where(static_cast<int>(std::lround(std::clamp(left / tpp, -1e6, 1e6))),
                       static_cast<int>(std::lround(std::clamp(top / tpp, -1e6, 1e6))));
    if (placed && QGuiApplication::screenAt(where + QPoint(20, 20)) != nullptr) {
        move(where);
    }
    SplitPercentage = settings::toNumber(settings::GetSetting(settings::kWindow,
                                                              QStringLiteral("SplitPercentage"),
                                                              QStringLiteral("33")))
                          .value_or(0);
    Loading = false;
    // An invisible window lays out its client area only when asked; the
    // layout routine needs the client area's real size.
    if (layout() != nullptr) {
        layout()->activate();
    }
    Form_Resize();
}

void FrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void FrmMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    recordNormalGeometry();
}

// ---- status bar and busy state -------------------------------------------------------------

void FrmMain::SetStatusText(const QString& text) {
    // The bar is not the window's own status bar, so menu hints never reach
    // it and a message stays until the program replaces it.
    sbStatus->showMessage(text);
}

void FrmMain::setTitleNote(const QString& note) {
    setWindowTitle(note.isEmpty() ? texts::kAppName
                                  : texts::kAppName + QStringLiteral(" - ") + note);
}

QString FrmMain::statusText() const {
    return sbStatus->currentMessage();
}

void FrmMain::BeginBusy() {
    setEnabled(false);
    if (!busy_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        busy_ = true;
    }
}

void FrmMain::EndBusy() {
    setEnabled(true);
    SetStatusText(QString());
    if (busy_) {
        QApplication::restoreOverrideCursor();
        busy_ = false;
    }
}

QString FrmMain::askPassword(bool confirm) {
    return ui::GetPassword(this, confirm);
}

std::optional<SecretBytes> FrmMain::askCheckedPassword(const PasswordCheck& check) {
    return ui::GetCheckedPassword(this, check);
}

void FrmMain::showClearPrompt() {
    lb::showClearPrompt(this);
}

// ---- detail pane ---------------------------------------------------------------------------

void FrmMain::SelectAllText(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->selectAll();
    } else if (auto* notes = qobject_cast<QPlainTextEdit*>(box)) {
        notes->selectAll();
    }
}

void FrmMain::ClearDetailView() {
    model_.setViewingIndex(-1);
    for (QWidget* box : picView->textBoxes()) {
        box->setEnabled(false);
    }
    picView->txtViewAccountName->clear();
    picView->txtViewUserName->clear();
    picView->txtViewPassword->clear();
    picView->txtViewURL->clear();
    picView->txtViewNotes->clear();
    for (QPushButton* b : picView->buttons()) {
        b->setEnabled(false);
    }
    enableRemoveButton(false);
}

void FrmMain::EnableDetailView() {
    for (QWidget* box : picView->textBoxes()) {
        box->setEnabled(true);
    }
    for (QPushButton* b : picView->buttons()) {
        b->setEnabled(true);
    }
    enableRemoveButton(true);
}

void FrmMain::lstAccounts_ItemClick(int row) {
    if (row < 0 || row >= model_.size()) {
        return;
    }
    EnableDetailView();
    ++visit_;
    // Nothing is shown while the boxes are filled, so filling writes nothing back.
    model_.setViewingIndex(-1);
    const Account& a = model_.account(row);
    picView->txtViewAccountName->setStoredText(toQString(a.name));
    picView->txtViewUserName->setStoredText(toQString(a.user));
    picView->txtViewPassword->setStoredText(toQString(a.password));
    picView->txtViewURL->setStoredText(toQString(a.url));
    picView->txtViewNotes->setStoredText(toQString(a.notes));
    SelectAllText(picView->txtViewAccountName);
    model_.setViewingIndex(model_.indexOfRow(row));
}

void FrmMain::showAccount(int row) {
    if (row < 0 || row >= model_.size()) {
        return;
    }
    const QModelIndex index = model_.index(row, 0);
    {
        // Selecting must not show the account twice.
        const QSignalBlocker block(lstAccounts->selectionModel());
        lstAccounts->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows);
    }
    lstAccounts->viewport()->update();
    lstAccounts->scrollTo(index);
    lstAccounts_ItemClick(row);
}

Field FrmMain::fieldOf(QWidget* box) const {
    if (box == picView->txtViewNotes) {
        return Field::Notes;
    }
    if (box == picView->txtViewUserName) {
        return Field::UserName;
    }
    if (box == picView->txtViewPassword) {
        return Field::Password;
    }
    return box == picView->txtViewURL ? Field::Url : Field::AccountName;
}

void FrmMain::writeBack(QWidget* box) {
    const int index = model_.viewingIndex();
    if (index < 0) {
        return;
    }
    const Field field = fieldOf(box);
    QString text = field == Field::Notes ? picView->txtViewNotes->storedText()
                                         : static_cast<QLineEdit*>(box)->text();
    std::string value = toAccountText(text);
    wipeText(text);
    const Account& current = model_.accounts()[static_cast<std::size_t>(index)];
    if (current.field(field) == value) {
        return;
    }
    Account before = current;
    model_.setField(index, field, std::move(value));
    Account after = model_.accounts()[static_cast<std::size_t>(index)];
    const QString stepText =
        !stepText_.isEmpty()
            ? stepText_
            : QStringLiteral("Edit %1 of %2")
                  .arg(AccountTableModel::heading(static_cast<int>(field)), quotedName(before));
    history_.push(new FieldStep(model_, std::move(before), std::move(after), field, visit_,
                                stepText, [this](int shown) { revealAccount(shown); }));
}

// ---- the account store ---------------------------------------------------------------------

void FrmMain::NewFile() {
    if (!QuerySave()) {
        return;
    }
    model_.setViewingIndex(-1);
    model_.replaceAll({});
    tableReplaced();
    file_.CurrentFileName.clear();
    file_.CurrentPassword.clear();
    file_.kind = FileKind::Sealed;
    file_.cost.reset();
    file_.identities = true;
    file_.diskStamp.reset();
    file_.FileSaved = true;
    ClearDetailView();
}

void FrmMain::AddAccount() {
    if (model_.totalCount() >= kMaxAccounts) {
        ui::showInformation(this, texts::kAppName,
                            QStringLiteral("You already have the maximum allowed number of "
                                           "accounts. Create a new file if you have more "
                                           "accounts that you need to store."));
        return;
    }
    ++file_.NewAccountCounter;
    Account account = newAccount(nowMs());
    account.name = "New Account " + std::to_string(file_.NewAccountCounter);
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    account.notes = "Added " + toAccountText(today);
    // The new account must be seen: the find box would hide it.
    emptyFindBox();
    history_.push(
        new AddStep(model_, std::move(account), [this](int index) { revealAccount(index); }));
}

void FrmMain::mnuAccountsRemove_Click() {
    const QModelIndex current = lstAccounts->currentIndex();
    // With nothing selected there is nothing to remove.
    if (!current.isValid() || !lstAccounts->selectionModel()->isRowSelected(current.row())) {
        return;
    }
    const int row = current.row();
    const QSignalBlocker block(lstAccounts->selectionModel());
    // There is no question: Edit > Undo brings the account back.
    history_.push(new RemoveStep(model_, model_.indexOfRow(row),
                                 [this](int index) { revealAccount(index); }));
}

// ---- shut-down -----------------------------------------------------------------------------

void FrmMain::closeEvent(QCloseEvent* event) {
    // Exit works while locked, and asks about unsaved changes there itself.
    if (locking_ || (locked_ ? !mayLeaveLocked() : !QuerySave())) {
        event->ignore();
        return;
    }
    wipeLocked();
    storeWindowSettings();
    hide();
    // ExitCleanup: the clipboard is emptied when the option is exactly "Yes", as when absent,
    // and only while it holds what the program put there, never another program's text.
    if (settings::optionOn(settings::kClearClipboardOnExit, true)) {
        clearClipboardIfOurs();
    }
    event->accept();
    emit unloaded();
}

void FrmMain::storeWindowSettings() {
    const double tpp = twipsPerPixel(this);
    const bool maximized = isMaximized();
    const double top = maximized ? NormalTop : y() * tpp;
    const double left = maximized ? NormalLeft : x() * tpp;
    const double height = maximized ? NormalHeight : this->height() * tpp;
    const double width = maximized ? NormalWidth : this->width() * tpp;
    settings::SaveSetting(settings::kWindow, QStringLiteral("Top"), settings::numberText(top));
    settings::SaveSetting(settings::kWindow, QStringLiteral("Left"), settings::numberText(left));
    settings::SaveSetting(settings::kWindow, QStringLiteral("Height"),
                          settings::numberText(height));
    settings::SaveSetting(settings::kWindow, QStringLiteral("Width"), settings::numberText(width));
    settings::SaveSetting(settings::kWindow, QStringLiteral("SplitPercentage"),
                          settings::numberText(SplitPercentage));
}

void FrmMain::recordNormalGeometry() {
    if (isMaximized()) {
        return;
    }
    const double tpp = twipsPerPixel(this);
    NormalTop = y() * tpp;
    NormalLeft = x() * tpp;
    NormalHeight = height() * tpp;
    NormalWidth = width() * tpp;
}

} // namespace lb
