// Showing an account in the detail pane and typing into it.

#include "main_window_fixture.h"
#include "tools/random_source.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>

namespace lb::test {
namespace {

class DetailView : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Account a{"Mail", "ann", "pw1", "https://mail.example", "first"};
        Account b{"Bank", "bob", "longer-pw", "", "second\r\nline"};
        window->table().replaceAll({a, b});
        window->currentFile().FileSaved = true;
        showWindow();
    }

    void clickRow(int row) {
        const QRect r = window->lstAccounts->visualRect(window->table().index(row, 1));
        QTest::mouseClick(window->lstAccounts->viewport(), Qt::LeftButton, {}, r.center());
    }

    int boldRows() const {
        int n = 0;
        for (int r = 0; r < window->table().size(); ++r) {
            const QVariant f = window->table().index(r, 0).data(Qt::FontRole);
            n += f.isValid() && f.value<QFont>().bold() ? 1 : 0;
        }
        return n;
    }
};

TEST_F(DetailView, BeforeAnyFileThePaneIsEnabledButWritesNothing) {
    EXPECT_EQ(window->ViewingAccount(), -1);
    EXPECT_TRUE(window->picView->txtViewUserName->isEnabled());
    QTest::keyClicks(window->picView->txtViewUserName, "x");
    EXPECT_TRUE(window->currentFile().FileSaved);
    EXPECT_EQ(window->table().account(0).user, "ann");
}

TEST_F(DetailView, ClickingAnAccountFillsThePaneWithoutMarkingChanges) {
    clickRow(1);
    EXPECT_EQ(window->ViewingAccount(), 1);
    EXPECT_EQ(window->picView->txtViewAccountName->text(), "Bank");
    EXPECT_EQ(window->picView->txtViewPassword->text(), "longer-pw");
    EXPECT_EQ(window->picView->txtViewNotes->toPlainText(), "second\nline");
    EXPECT_EQ(window->picView->txtViewAccountName->selectedText(), "Bank");
    EXPECT_TRUE(window->currentFile().FileSaved);
}

TEST_F(DetailView, ExactlyTheShownAccountIsBold) {
    clickRow(0);
    EXPECT_EQ(boldRows(), 1);
    clickRow(1);
    EXPECT_EQ(boldRows(), 1);
    EXPECT_TRUE(window->table().index(1, 0).data(Qt::FontRole).value<QFont>().bold());
}

TEST_F(DetailView, TypingWritesBackAtEveryKeystroke) {
    clickRow(0);
    QLineEdit* box = window->picView->txtViewUserName;
    box->setFocus();
    box->end(false);
    QTest::keyClick(box, 'i');
    EXPECT_EQ(cell(0, 1), "anni");
    EXPECT_FALSE(window->currentFile().FileSaved);
    QTest::keyClick(box, 'e');
    EXPECT_EQ(cell(0, 1), "annie");
    EXPECT_EQ(window->table().account(0).user, "annie");
}

TEST_F(DetailView, NotesKeepTheFilesLineBreaks) {
    clickRow(1);
    NotesEdit* notes = window->picView->txtViewNotes;
    notes->setFocus();
    notes->moveCursor(QTextCursor::End);
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClicks(notes, "3");
    EXPECT_EQ(window->table().account(1).notes, "second\r\nline\r\n3");
}

TEST_F(DetailView, MaskedPasswordTypingShowsAsterisksOfTheSameLength) {
    window->menuEntry(QStringLiteral("mnuViewMaskPasswords"))->trigger();
    clickRow(0);
    QLineEdit* box = window->picView->txtViewPassword;
    EXPECT_EQ(box->echoMode(), QLineEdit::Password);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "abcde");
    EXPECT_EQ(cell(0, 2), "*****");
    EXPECT_EQ(window->table().account(0).password, "abcde");
}

TEST_F(DetailView, TypedTextStopsAtFiveHundredCharacters) {
    clickRow(0);
    QLineEdit* box = window->picView->txtViewURL;
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString(505, QLatin1Char('u')));
    EXPECT_EQ(box->text().size(), 500);
    EXPECT_EQ(window->table().account(0).url.size(), 500u);
}

TEST_F(DetailView, LongTextFromAFileIsShownWholeAndCanBeShortened) {
    Account a;
    a.name = std::string(700, 'n');
    window->table().replaceAll({a});
    window->ShowAccount(0);
    QLineEdit* box = window->picView->txtViewAccountName;
    EXPECT_EQ(box->text().size(), 700);
    box->setFocus();
    box->end(false);
    QTest::keyClick(box, 'x');
    EXPECT_EQ(box->text().size(), 700);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(window->table().account(0).name.size(), 699u);
}

TEST_F(DetailView, CharactersTheFileCannotKeepAreRefused) {
    clickRow(0);
    QLineEdit* box = window->picView->txtViewUserName;
    box->setFocus();
    box->selectAll();
    // Typed as a keyboard layout delivers them: one key event per character.
    for (QChar c : QString::fromUtf8("a\u0101b\u00ffc\u20ac")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
    // A with macron is outside the code page; y with diaeresis would come back as code 0.
    EXPECT_EQ(box->text(), QString::fromUtf8("abc\u20ac"));
    EXPECT_EQ(window->table().account(0).user, "abc\x80");
}

TEST_F(DetailView, PastedNotesBeyondTheLimitAreRefused) {
    clickRow(0);
    QGuiApplication::clipboard()->setText(QString(600, QLatin1Char('p')));
    NotesEdit* notes = window->picView->txtViewNotes;
    notes->setFocus();
    notes->selectAll();
    notes->paste();
    EXPECT_EQ(notes->toPlainText(), "first");
}

TEST_F(DetailView, TabbingIntoABoxSelectsItsWholeText) {
    clickRow(0);
    window->picView->txtViewAccountName->setFocus();
    QTest::keyClick(window->picView->txtViewAccountName, Qt::Key_Tab);
    EXPECT_TRUE(window->picView->txtViewUserName->hasFocus());
    EXPECT_EQ(window->picView->txtViewUserName->selectedText(), "ann");
}

TEST_F(DetailView, RandomPasswordWithNoAccountShownChangesOnlyTheBox) {
    window->NewFile();
    window->picView->txtViewPassword->setEnabled(true);
    window->picView->cmdViewRandomPassword->setEnabled(true);
    QTest::mouseClick(window->picView->cmdViewRandomPassword, Qt::LeftButton);
    EXPECT_FALSE(window->picView->txtViewPassword->text().isEmpty());
    EXPECT_TRUE(window->currentFile().FileSaved);
}

TEST_F(DetailView, RandomPasswordReplacesTheShownPasswordAndMarksTheFile) {
    class Zero : public RandomSource {
        float next() override { return 0.0f; }
    };
    setRandomSource(std::make_unique<Zero>());
    window->menuEntry(QStringLiteral("mnuViewMaskPasswords"))->trigger();
    clickRow(0);
    QTest::mouseClick(window->picView->cmdViewRandomPassword, Qt::LeftButton);
    setRandomSource(nullptr);
    EXPECT_EQ(window->table().account(0).password, "Mice1111");
    EXPECT_EQ(cell(0, 2), "********");
    EXPECT_FALSE(window->currentFile().FileSaved);
}

TEST_F(DetailView, ShownAccountFollowsItsRowThroughSorting) {
    clickRow(0); // Mail
    QTest::mouseClick(window->lstAccounts->header()->viewport(), Qt::LeftButton, {},
                      QPoint(window->lstAccounts->header()->sectionPosition(0) + 5, 5));
    // Descending by name keeps Mail first; ascending puts Bank first.
    QTest::mouseClick(window->lstAccounts->header()->viewport(), Qt::LeftButton, {},
                      QPoint(window->lstAccounts->header()->sectionPosition(0) + 5, 5));
    EXPECT_EQ(cell(0, 0), "Bank");
    EXPECT_EQ(window->ViewingAccount(), 1);
    QTest::keyClicks(window->picView->txtViewUserName, "z");
    EXPECT_EQ(window->table().account(1).name, "Mail");
    EXPECT_EQ(window->table().account(0).user, "bob");
}

} // namespace
} // namespace lb::test
