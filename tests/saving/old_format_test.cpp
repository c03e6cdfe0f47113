// Opening a file of the old text format: the warning, its refusals, the
// accounts loaded, and the next Save writing the current format in its place.

#include "flow_fixture.h"
#include "store/account_file.h"
#include "store/open_file.h"
#include "store/program_errors.h"
#include "store/save_file.h"

namespace lb::test {
namespace {

const QString kWarning = QStringLiteral(
    "This file is in an old format. When you save the file it will be in the current format.");

class OldFormatTest : public FlowTest {
protected:
    OldFormatTest() { haveOpenFile(previousName, "previous"); }

    bool open(const std::string& bytes, const QString& password) {
        writeBytes(file, bytes);
        user.willTypePassword(password);
        return ReadAccountFile(w, file);
    }

    void expectWarningFirst() const {
        ASSERT_FALSE(user.messages.empty());
        const ui::Message& m = user.messages[0];
        EXPECT_EQ(m.title, QStringLiteral("Old Format"));
        EXPECT_EQ(m.text, kWarning);
        EXPECT_EQ(m.icon, QMessageBox::Information);
        EXPECT_EQ(m.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_TRUE(witness.busyAtMessage[0]);
    }

    void expectPreviousFileUntouched() {
        EXPECT_EQ(w.table().accounts(), sampleAccounts());
        EXPECT_EQ(w.currentFile().CurrentFileName, previousName);
        EXPECT_EQ(w.currentFile().CurrentPassword, "previous");
        EXPECT_FALSE(w.currentFile().FileSaved);
        EXPECT_EQ(w.shownRow, 1);
        expectIdle();
    }

    const QString previousName = QStringLiteral("/nowhere/previous.lockbk");
    const QString file = path("old.lockbk");
    const std::vector<Account> stored = {
        {"Library", "reader", "books", "https://library.example", "due Friday"},
        {"Gym", "", "", "", std::string(254, 'n')},
    };
};

TEST_F(OldFormatTest, AcceptingTheWarningLoadsTheAccountsAndOpensTheFile) {
    willAnswer(QMessageBox::Ok);
    ASSERT_TRUE(open(oldFormatFile(stored, "old pass"), QStringLiteral("old pass")));
    expectWarningFirst();
    EXPECT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(w.table().accounts(), stored);
    EXPECT_EQ(w.shownRow, 0);
    EXPECT_EQ(w.currentFile().CurrentFileName, file);
    EXPECT_EQ(w.currentFile().CurrentPassword, "old pass");
    EXPECT_TRUE(w.currentFile().FileSaved);
    expectIdle();
}

TEST_F(OldFormatTest, TheNextSaveWritesTheCurrentFormatInItsPlace) {
    willAnswer(QMessageBox::Ok);
    ASSERT_TRUE(open(oldFormatFile(stored, "old pass"), QStringLiteral("old pass")));
    ASSERT_TRUE(SaveFile(w));
    EXPECT_TRUE(user.fileDialogs.empty());
    EXPECT_EQ(user.passwordPrompts.size(), 1u);
    const std::string bytes = readBytes(file);
    EXPECT_FALSE(isOldFormat(bytes));
    const ReadResult back = readAccountFile(bytes, "old pass");
    ASSERT_EQ(back.outcome, ReadOutcome::Read);
    EXPECT_EQ(back.accounts, stored);
}

TEST_F(OldFormatTest, CancellingTheWarningChangesNothing) {
    willAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(open(oldFormatFile(stored, "old pass"), QStringLiteral("old pass")));
    expectWarningFirst();
    EXPECT_EQ(user.messages.size(), 1u);
    expectPreviousFileUntouched();
}

TEST_F(OldFormatTest, ASignatureAfterSpacesIsWarnedAboutThenRefused) {
    willAnswer(QMessageBox::Ok);
    EXPECT_FALSE(open("  " + oldFormatFile(stored, "old pass"), QStringLiteral("old pass")));
    expectWarningFirst();
    ASSERT_EQ(user.messages.size(), 2u);
    expectFailureAt(
        1, QStringLiteral("The file does not appear to be a Lockerbook file. It could not be "
                          "opened."));
    expectPreviousFileUntouched();
}

TEST_F(OldFormatTest, AWrongPasswordIsRefused) {
    willAnswer(QMessageBox::Ok);
    EXPECT_FALSE(open(oldFormatFile(stored, "old pass"), QStringLiteral("other")));
    ASSERT_EQ(user.messages.size(), 2u);
    expectFailureAt(1, QStringLiteral("Wrong password."));
    expectPreviousFileUntouched();
}

TEST_F(OldFormatTest, AFileShorterThanItsCountIsReportedByNumberOnly) {
    willAnswer(QMessageBox::Ok);
    EXPECT_FALSE(open(oldFormatFile(stored, "old pass", 3), QStringLiteral("old pass")));
    ASSERT_EQ(user.messages.size(), 2u);
    expectFailureAt(1, QStringLiteral("There was an unexpected error (number %1) while reading "
                                      "the file.")
                           .arg(programError(ProgramError::LegacyAccountsBeyondFile).number));
    expectPreviousFileUntouched();
}

TEST_F(OldFormatTest, AFileOfNoAccountsOpensEmptyAndSaved) {
    willAnswer(QMessageBox::Ok);
    ASSERT_TRUE(open(oldFormatFile({}, "old pass"), QStringLiteral("old pass")));
    EXPECT_EQ(w.table().size(), 0);
    EXPECT_EQ(w.shownRow, -1);
    EXPECT_TRUE(w.currentFile().FileSaved);
    EXPECT_EQ(w.currentFile().CurrentFileName, file);
}

TEST_F(OldFormatTest, CharactersOfCode255AreAnnouncedBeforeASaveLosesThem) {
    // Only a password whose codes average 0 deciphers to code 255; any other
    // shifts every character into 0 to 254.
    const std::string password(1, '\0');
    std::vector<Account> withCode255 = stored;
    withCode255[1].notes = "caf\xff";
    willAnswer(QMessageBox::Ok);
    ASSERT_TRUE(open(oldFormatFile(withCode255, password), QString(QChar(0))));
    ASSERT_EQ(user.messages.size(), 2u);
    const ui::Message& notice = user.messages[1];
    EXPECT_EQ(notice.title, QStringLiteral("Lockerbook"));
    EXPECT_EQ(notice.icon, QMessageBox::Information);
    EXPECT_TRUE(notice.text.contains(QStringLiteral("code 255")));
    EXPECT_TRUE(notice.text.contains(QStringLiteral("code 0")));
    EXPECT_EQ(w.table().accounts(), withCode255);
    EXPECT_EQ(readBytes(file), oldFormatFile(withCode255, password));
}

} // namespace
} // namespace lb::test
