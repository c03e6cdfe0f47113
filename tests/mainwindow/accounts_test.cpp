// The account list and the detail pane as a person uses them: adding,
// removing, new files, clicking, typing, masking, sorting and copying.

#include "main_window_fixture.h"
#include "platform/clipboard.h"
#include "platform/settings.h"

#include <QAccessible>
#include <QClipboard>
#include <QDate>
#include <QKeyEvent>
#include <QLocale>
#include <QMimeData>

namespace lb::test {
namespace {

class AccountStore : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        showWindow();
    }
};

TEST_F(AccountStore, AddNumbersAccountsAcrossTheWholeRunAndShowsEachReadyForEditing) {
    window->NewFile();
    addAccounts(2);
    EXPECT_EQ(cell(1, 0), QStringLiteral("New Account 2"));
    EXPECT_EQ(cell(1, 4),
              QStringLiteral("Added ") +
                  QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    EXPECT_EQ(window->ViewingAccount(), 1);
    EXPECT_EQ(box("txtViewAccountName")->text(), QStringLiteral("New Account 2"));
    EXPECT_EQ(list()->currentIndex().row(), 1);
    EXPECT_FALSE(window->currentFile().FileSaved);
    window->currentFile().FileSaved = true;
    window->NewFile();
    EXPECT_EQ(window->table().size(), 0);
    addAccounts(1);
    EXPECT_EQ(cell(0, 0), QStringLiteral("New Account 3"));
    window->currentFile().NewAccountCounter = 32767;
    addAccounts(1);
    EXPECT_EQ(cell(1, 0), QStringLiteral("New Account 32768")) << "no 16-bit wrap";
}

TEST_F(AccountStore, TheFiveThousandFirstIsRefusedYetTheFileCountsAsChanged) {
    window->table().replaceAll(std::vector<Account>(4999));
    addAccounts(1);
    EXPECT_TRUE(user->messages.empty());
    window->currentFile().FileSaved = true;
    addAccounts(1);
    EXPECT_EQ(window->table().size(), 5000);
    EXPECT_EQ(user->messages.size(), 1u);
    EXPECT_FALSE(window->currentFile().FileSaved);
}

TEST_F(AccountStore, RemoveTakesTheSelectedAccountAndShowsTheOneInItsPlace) {
    window->NewFile();
    window->table().replaceAll({{"Bank", "first", "", "", ""},
                                {"Bank", "second", "", "", ""},
                                {"Shop", "third", "", "", ""}});
    window->showAccount(1);
    press("Ctrl+R");
    EXPECT_EQ(window->table().accounts(),
              (std::vector<Account>{{"Bank", "first", "", "", ""}, {"Shop", "third", "", "", ""}}));
    EXPECT_EQ(box("txtViewUserName")->text(), QStringLiteral("third"));
    EXPECT_FALSE(window->currentFile().FileSaved);
    QTest::mouseClick(toolButton(commands().mnuAccountsRemove), Qt::LeftButton);
    QTest::mouseClick(toolButton(commands().mnuAccountsRemove), Qt::LeftButton);
    EXPECT_EQ(window->table().size(), 0);
    EXPECT_EQ(window->ViewingAccount(), -1);
    EXPECT_FALSE(box("txtViewAccountName")->isEnabled());
    EXPECT_FALSE(toolButton(commands().mnuAccountsRemove)->isEnabled());
    EXPECT_TRUE(commands().mnuAccountsRemove->isEnabled()) << "no menu entry is ever disabled";
    // With nothing selected there is nothing to remove.
    window->table().replaceAll(std::vector<Account>(2));
    window->currentFile().FileSaved = true;
    press("Ctrl+R");
    EXPECT_EQ(window->table().size(), 2);
    EXPECT_TRUE(window->currentFile().FileSaved);
}

TEST_F(AccountStore, NewFileAsksFirstCancelKeepsEverythingAndNoStartsAfresh) {
    window->NewFile();
    addAccounts(2);
    window->currentFile().CurrentFileName = QStringLiteral("/tmp/kept.lockbk");
    window->currentFile().CurrentPassword = SecretBytes("secret");
    user->willAnswer(QMessageBox::Cancel);
    press("Ctrl+N");
    ASSERT_EQ(user->messages.size(), 1u);
    EXPECT_EQ(user->messages[0].defaultButton, QMessageBox::Cancel);
    EXPECT_EQ(window->table().size(), 2);
    user->willAnswer(QMessageBox::No);
    QTest::mouseClick(toolButton(commands().mnuFileNew), Qt::LeftButton);
    EXPECT_EQ(window->table().size(), 0);
    EXPECT_TRUE(window->currentFile().CurrentFileName.isEmpty());
    EXPECT_TRUE(window->currentFile().CurrentPassword.empty());
    EXPECT_TRUE(window->currentFile().FileSaved);
    EXPECT_FALSE(box("txtViewAccountName")->isEnabled());
}

class DetailView : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window->table().replaceAll({{"Mail", "ann", "pw1", "https://mail.example", "first"},
                                    {"Bank", "bob", "longer-pw", "", "second\r\nline"}});
        showWindow();
    }
    int boldRows() const {
        int n = 0;
        for (int r = 0; r < window->table().size(); ++r) {
            n += window->table().index(r, 0).data(Qt::FontRole).value<QFont>().bold() ? 1 : 0;
        }
        return n;
    }
};

TEST_F(DetailView, ClickingShowsTheAccountBoldAndTypingWritesBackAtEveryKeystroke) {
    QTest::keyClicks(box("txtViewUserName"), QStringLiteral("x"));
    EXPECT_EQ(window->table().account(0).user, "ann") << "nothing shown, nothing written";
    clickRow(1);
    EXPECT_EQ(box("txtViewAccountName")->selectedText(), QStringLiteral("Bank"));
    EXPECT_EQ(part<QPlainTextEdit>("txtViewNotes")->toPlainText(), QStringLiteral("second\nline"));
    EXPECT_EQ(boldRows(), 1);
    EXPECT_TRUE(window->currentFile().FileSaved);
    QLineEdit* user = box("txtViewUserName");
    user->setFocus();
    user->end(false);
    QTest::keyClick(user, 'i');
    EXPECT_EQ(cell(1, 1), QStringLiteral("bobi"));
    EXPECT_FALSE(window->currentFile().FileSaved);
    auto* notes = part<QPlainTextEdit>("txtViewNotes");
    notes->setFocus();
    notes->moveCursor(QTextCursor::End);
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClicks(notes, QStringLiteral("3"));
    EXPECT_EQ(window->table().account(1).notes, "second\r\nline\r\n3") << "the file's line breaks";
    // Tab into a box selects all of it.
    box("txtViewAccountName")->setFocus();
    QTest::keyClick(box("txtViewAccountName"), Qt::Key_Tab);
    EXPECT_EQ(box("txtViewUserName")->selectedText(), QStringLiteral("bobi"));
}

TEST_F(DetailView, TypedTextStopsAt500AndALegacyFileSaysWhatItCannotKeep) {
    clickRow(0);
    QLineEdit* url = box("txtViewURL");
    url->setFocus();
    url->selectAll();
    typeText(url, QStringLiteral("e\u0301") + QString(505, QLatin1Char('u')));
    EXPECT_EQ(window->table().account(0).url, "e\u0301" + std::string(499, 'u'))
        << "the accented e is one character of the 500";
    QLineEdit* user = box("txtViewUserName");
    user->setFocus();
    user->selectAll();
    typeText(user, QStringLiteral("\u042f\u00ff \u674e"));
    EXPECT_EQ(window->table().account(0).user, "\u042f\u00ff \u674e")
        << "a sealed file keeps any text";

    window->currentFile().kind = FileKind::Classic; // a legacy-format file is open
    user->selectAll();
    typeText(user, QStringLiteral("a\u0101b\u00ffc\u20ac"));
    EXPECT_EQ(window->table().account(0).user, "abc\u20ac");
    EXPECT_TRUE(window->statusText().contains(QStringLiteral("U+00FF")))
        << window->statusText().toStdString();
    EXPECT_TRUE(window->statusText().contains(QStringLiteral("Save As")));
    QGuiApplication::clipboard()->setText(QStringLiteral("\u0142\u00f3d\u017a"));
    auto* notes = part<QPlainTextEdit>("txtViewNotes");
    notes->selectAll();
    notes->paste();
    EXPECT_EQ(window->table().account(0).notes, "first");
    EXPECT_TRUE(window->statusText().contains(QStringLiteral("U+0142 '\u0142'")));
    window->currentFile().kind = FileKind::Sealed;
    QGuiApplication::clipboard()->setText(QString(600, QLatin1Char('p')));
    notes->selectAll();
    notes->paste();
    EXPECT_EQ(window->table().account(0).notes, "first");

    window->table().replaceAll({{std::string(700, 'n'), "", "", "", ""}});
    window->showAccount(0);
    QLineEdit* name = box("txtViewAccountName");
    EXPECT_EQ(name->text().size(), 700);
    name->setFocus();
    name->end(false);
    QTest::keyClick(name, 'x');
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(window->table().account(0).name.size(), 699u);
}

TEST_F(DetailView, MaskingShowsAsterisksInListAndPaneWithoutChangingTheFile) {
    window->currentFile().FileSaved = true;
    clickRow(0);
    press("Ctrl+M");
    EXPECT_EQ(cell(0, 2), QStringLiteral("***"));
    EXPECT_EQ(box("txtViewPassword")->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(window->currentFile().FileSaved);
    QLineEdit* password = box("txtViewPassword");
    password->setFocus();
    password->selectAll();
    QTest::keyClicks(password, QStringLiteral("abcde"));
    EXPECT_EQ(cell(0, 2), QStringLiteral("*****"));
    EXPECT_EQ(window->table().account(0).password, "abcde");
    QTest::mouseClick(toolButton(commands().mnuViewMaskPasswords), Qt::LeftButton);
    EXPECT_FALSE(commands().mnuViewMaskPasswords->isChecked());
    EXPECT_EQ(cell(0, 2), QStringLiteral("abcde"));
    EXPECT_EQ(password->echoMode(), QLineEdit::Normal);
}

TEST_F(DetailView, CopyButtonsPutTheFieldOnTheClipboardAndSayWhatWasCopied) {
    clickRow(1);
    QTest::mouseClick(button("cmdViewCopyPassword"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("longer-pw"));
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data("x-kde-passwordManagerHint"),
              "secret");
    EXPECT_EQ(window->statusText(), QStringLiteral("'*********' copied to the Windows clipboard."));
    QTest::mouseClick(button("cmdViewCopyPassword"), Qt::LeftButton);
    EXPECT_EQ(clearPrompts().size(), 1u) << "one prompt, however many copies";
    clearPrompts().front()->close();
    QTest::mouseClick(button("cmdViewCopyUserName"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("bob"));
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasFormat("x-kde-passwordManagerHint"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(part("sbStatus"))->text(QAccessible::Name),
              QStringLiteral("'bob' copied to the Windows clipboard."))
        << "a screen reader hears the message itself";
    EXPECT_TRUE(clearPrompts().empty());
    // The prompt follows a password copy only while the warning is exactly "Yes".
    settings::SaveSetting(settings::kOptions, settings::kCopyPasswordWarning,
                          QStringLiteral("yes"));
    QTest::mouseClick(button("cmdViewCopyPassword"), Qt::LeftButton);
    EXPECT_TRUE(clearPrompts().empty());
    box("txtViewURL")->setText(QStringLiteral(" mail.example/x "));
    QTest::mouseClick(button("cmdViewGoURL"), Qt::LeftButton);
    EXPECT_EQ(user->shellOpened, std::vector<QString>{QStringLiteral(" mail.example/x ")});
}

TEST_F(DetailView, InMiniModeOnlyTheListAndCloseMiniModeAnswerTheKeyboard) {
    // A button pressed by its Alt key is clicked a moment later.
    const auto pressAlt = [this](const char* keys) {
        press(keys);
        QTest::qWait(250);
    };
    clickRow(1);
    window->currentFile().FileSaved = true;
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    press("Ctrl+I");
    pressAlt("Alt+R"); // the covered "&Ran. Password"
    EXPECT_EQ(window->table().account(1).password, "longer-pw");
    // Tab from the list and typing must not reach the covered boxes.
    for (const char* key : {"Tab", "Tab", "X", "Backtab", "Y"}) {
        press(key);
        QWidget* focus = QApplication::focusWidget();
        EXPECT_TRUE(focus == nullptr || focus->isVisible()) << key;
    }
    EXPECT_EQ(window->table().account(1).name, "Bank");
    EXPECT_TRUE(window->currentFile().FileSaved);
    pressAlt("Alt+C"); // the first of the "&C" keys must be "&Close MiniMode"
    pressAlt("Space");
    EXPECT_FALSE(window->inMiniMode());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    EXPECT_TRUE(clearPrompts().empty());
    // Everything comes back: the pane takes keys again.
    pressAlt("Alt+R");
    EXPECT_NE(window->table().account(1).password, "longer-pw");
}

TEST_F(DetailView, ACopiedPasswordLeavesTheClipboardAfterTheSecondsTheOptionsGive) {
    settings::SaveSetting(settings::kOptions, settings::kClearClipboardSeconds,
                          QStringLiteral("0.2"));
    clickRow(0);
    QClipboard* board = QGuiApplication::clipboard();
    button("cmdViewCopyPassword")->click();
    EXPECT_EQ(board->text(), box("txtViewPassword")->text());
    QTest::qWait(500);
    EXPECT_TRUE(board->text().isEmpty());
    EXPECT_EQ(window->statusText(), QStringLiteral("The password was cleared from the clipboard."));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(clearPrompts().empty()) << "the prompt closes with it";
    button("cmdViewCopyPassword")->click();
    board->setText(QStringLiteral("another program's text"));
    QTest::qWait(500);
    EXPECT_EQ(board->text(), QStringLiteral("another program's text"));
}

} // namespace
} // namespace lb::test
