// Adding, removing and starting new files, as a person does it from the menus.

#include "main_window_fixture.h"
#include "store/ansi_text.h"

#include <QDate>
#include <QLocale>

namespace lb::test {
namespace {

using AccountStore = MainWindowTest;

TEST_F(AccountStore, AddNumbersAccountsAcrossTheWholeRun) {
    window->NewFile();
    addAccounts(3);
    EXPECT_EQ(cell(0, 0), "New Account 1");
    EXPECT_EQ(cell(2, 0), "New Account 3");
    window->currentFile().FileSaved = true;
    window->NewFile();
    EXPECT_EQ(window->table().size(), 0);
    addAccounts(1);
    EXPECT_EQ(cell(0, 0), "New Account 4");
}

TEST_F(AccountStore, AddedAccountNotesCarryTodaysShortDate) {
    addAccounts(1);
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_EQ(cell(0, 4), "Added " + today);
    EXPECT_EQ(cell(0, 1), "");
    EXPECT_EQ(cell(0, 2), "");
}

TEST_F(AccountStore, AddShowsTheNewAccountAndMarksTheFileChanged) {
    window->NewFile();
    EXPECT_TRUE(window->currentFile().FileSaved);
    addAccounts(2);
    EXPECT_FALSE(window->currentFile().FileSaved);
    EXPECT_EQ(window->ViewingAccount(), 1);
    EXPECT_EQ(window->picView->txtViewAccountName->text(), "New Account 2");
    EXPECT_EQ(window->lstAccounts->currentIndex().row(), 1);
}

TEST_F(AccountStore, CounterKeepsCountingPastSixteenBits) {
    window->currentFile().NewAccountCounter = 32767;
    addAccounts(1);
    EXPECT_EQ(cell(0, 0), "New Account 32768");
}

TEST_F(AccountStore, LimitRefusesTheFiveThousandFirstYetMarksTheFileChanged) {
    window->table().replaceAll(std::vector<Account>(4999));
    addAccounts(1);
    EXPECT_EQ(window->table().size(), 5000);
    EXPECT_TRUE(user->messages.empty());
    window->currentFile().FileSaved = true;
    addAccounts(1);
    EXPECT_EQ(window->table().size(), 5000);
    ASSERT_EQ(user->messages.size(), 1u);
    EXPECT_EQ(user->messages[0].title, "Lockerbook");
    EXPECT_EQ(user->messages[0].icon, QMessageBox::Information);
    EXPECT_EQ(user->messages[0].text,
              "You already have the maximum allowed number of accounts. Create a new file if "
              "you have more accounts that you need to store.");
    EXPECT_FALSE(window->currentFile().FileSaved);
}

TEST_F(AccountStore, RemovingTheLastAccountEmptiesAndDisablesThePane) {
    window->NewFile();
    addAccounts(1);
    window->currentFile().FileSaved = true;
    window->menuEntry(QStringLiteral("mnuAccountsRemove"))->trigger();
    EXPECT_EQ(window->table().size(), 0);
    EXPECT_EQ(window->ViewingAccount(), -1);
    EXPECT_FALSE(window->picView->txtViewAccountName->isEnabled());
    EXPECT_TRUE(window->picView->txtViewAccountName->text().isEmpty());
    EXPECT_FALSE(window->picView->cmdViewCopyPassword->isEnabled());
    EXPECT_FALSE(window->toolbarButton(QStringLiteral("remove"))->isEnabled());
    EXPECT_FALSE(window->currentFile().FileSaved);
}

TEST_F(AccountStore, RemoveTakesOnlyTheSelectedOfTwoSameNamedAccounts) {
    Account a;
    a.name = "Bank";
    a.user = "first";
    Account b = a;
    b.user = "second";
    window->table().replaceAll({a, b});
    window->ShowAccount(1);
    window->menuEntry(QStringLiteral("mnuAccountsRemove"))->trigger();
    ASSERT_EQ(window->table().size(), 1);
    EXPECT_EQ(window->table().account(0).user, "first");
    EXPECT_EQ(window->ViewingAccount(), 0);
    EXPECT_EQ(window->picView->txtViewUserName->text(), "first");
}

TEST_F(AccountStore, RemoveShowsTheNeighbourThatTakesTheRemovedPlace) {
    window->NewFile();
    addAccounts(3);
    window->ShowAccount(1);
    window->menuEntry(QStringLiteral("mnuAccountsRemove"))->trigger();
    EXPECT_EQ(window->picView->txtViewAccountName->text(), "New Account 3");
    EXPECT_EQ(window->ViewingAccount(), 1);
}

TEST_F(AccountStore, RemoveWithNothingSelectedDoesNothing) {
    window->table().replaceAll(std::vector<Account>(2));
    window->currentFile().FileSaved = true;
    window->menuEntry(QStringLiteral("mnuAccountsRemove"))->trigger();
    EXPECT_EQ(window->table().size(), 2);
    EXPECT_TRUE(window->currentFile().FileSaved);
}

TEST_F(AccountStore, NewFileAsksFirstAndCancelKeepsEverything) {
    window->NewFile();
    addAccounts(2);
    window->currentFile().CurrentFileName = "/tmp/kept.lockbk";
    user->willAnswer(QMessageBox::Cancel);
    window->NewFile();
    ASSERT_EQ(user->messages.size(), 1u);
    EXPECT_EQ(user->messages[0].text, "Do you want to save the current file before closing it?");
    EXPECT_EQ(window->table().size(), 2);
    EXPECT_EQ(window->currentFile().CurrentFileName, "/tmp/kept.lockbk");
}

TEST_F(AccountStore, NewFileAfterNoStartsEmptyAndSaved) {
    window->NewFile();
    addAccounts(2);
    window->currentFile().CurrentFileName = "/tmp/old.lockbk";
    window->currentFile().CurrentPassword = "secret";
    user->willAnswer(QMessageBox::No);
    window->NewFile();
    EXPECT_EQ(window->table().size(), 0);
    EXPECT_TRUE(window->currentFile().CurrentFileName.isEmpty());
    EXPECT_TRUE(window->currentFile().CurrentPassword.empty());
    EXPECT_TRUE(window->currentFile().FileSaved);
    EXPECT_FALSE(window->picView->txtViewAccountName->isEnabled());
}

} // namespace
} // namespace lb::test
