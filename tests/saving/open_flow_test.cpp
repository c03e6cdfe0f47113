// Open as a person meets it: the save-changes question, the Open dialog, the
// password, the status bar, the first account shown, and every refusal,
// after which the window holds exactly what it held before.

#include "flow_fixture.h"
#include "shell/texts.h"
#include "store/account_file.h"
#include "store/open_file.h"
#include "store/program_errors.h"
#include "store/save_file.h"

#include <QFileInfo>
#include <cerrno>

namespace lb::test {
namespace {

class OpenFlowTest : public FlowTest {
protected:
    // Another file is open with an unsaved change and its second account shown.
    OpenFlowTest() { haveOpenFile(previousName, "previous"); }

    // Everything a failed open must leave alone.
    void expectPreviousFileUntouched() {
        EXPECT_EQ(w.table().accounts(), sampleAccounts());
        EXPECT_EQ(w.currentFile().CurrentFileName, previousName);
        EXPECT_EQ(w.currentFile().CurrentPassword, "previous");
        EXPECT_FALSE(w.currentFile().FileSaved);
        EXPECT_EQ(w.shownRow, 1);
        EXPECT_EQ(w.table().viewingRow(), 1);
        expectIdle();
    }

    // Asks to open the file, typing the password.
    bool open(const QString& file, const QString& password) {
        user.willChooseFile(file);
        user.willTypePassword(password);
        return OpenFile(w);
    }

    QString damagedText(const Error& error) const {
        return texts::unexpectedError(error.number, QString::fromStdString(error.description),
                                      QStringLiteral("reading the file"));
    }

    const QString previousName = QStringLiteral("/nowhere/previous.lockbk");
    const std::vector<Account> stored = {
        {"Zoo", "keeper", "lion", "https://zoo.example", "feed at noon"},
        {"Garden", "", "", "", "no password"},
    };
};

TEST_F(OpenFlowTest, OpeningReadsTheFileShowsTheFirstAccountAndMakesItTheOpenFile) {
    const QString file = path("stored.lockbk");
    writeBytes(file, currentFormatFile(stored, "right"));

    ASSERT_TRUE(open(file, QStringLiteral("right")));

    EXPECT_EQ(w.querySaveCalls, 1);
    ASSERT_EQ(user.fileDialogs.size(), 1u);
    EXPECT_EQ(user.fileDialogs[0].kind, ui::FileDialogRequest::Kind::Open);
    EXPECT_EQ(user.fileDialogs[0].title, QStringLiteral("Open"));
    EXPECT_EQ(user.fileDialogs[0].filter, texts::kAccountFileFilter);
    EXPECT_EQ(user.passwordPrompts, std::vector<bool>{false});
    EXPECT_TRUE(user.messages.empty());

    EXPECT_EQ(w.table().accounts(), stored);
    EXPECT_EQ(w.shownRow, 0);
    EXPECT_EQ(w.table().viewingRow(), 0);
    EXPECT_NE(std::find(w.statusLog.begin(), w.statusLog.end(),
                        QStringLiteral("Reading '%1'...").arg(file)),
              w.statusLog.end());
    EXPECT_EQ(w.status(), QStringLiteral("Read (%1 bytes)").arg(QFileInfo(file).size()));
    expectIdle();
    EXPECT_EQ(w.currentFile().CurrentFileName, file);
    EXPECT_EQ(w.currentFile().CurrentPassword, "right");
    EXPECT_TRUE(w.currentFile().FileSaved);
}

TEST_F(OpenFlowTest, StoppingAtTheSaveChangesQuestionAsksNothingMore) {
    w.querySaveAnswer = false;
    EXPECT_FALSE(OpenFile(w));
    EXPECT_TRUE(user.fileDialogs.empty());
    EXPECT_TRUE(user.passwordPrompts.empty());
    expectPreviousFileUntouched();
}

TEST_F(OpenFlowTest, CancellingTheOpenDialogChangesNothing) {
    user.willCancelFileDialog();
    EXPECT_FALSE(OpenFile(w));
    EXPECT_TRUE(user.passwordPrompts.empty());
    EXPECT_TRUE(user.messages.empty());
    expectPreviousFileUntouched();
}

TEST_F(OpenFlowTest, CancellingThePasswordChangesNothing) {
    const QString file = path("stored.lockbk");
    writeBytes(file, currentFormatFile(stored, "right"));
    user.willChooseFile(file);
    user.willCancelPassword();
    EXPECT_FALSE(OpenFile(w));
    EXPECT_TRUE(user.messages.empty());
    expectPreviousFileUntouched();
}

TEST_F(OpenFlowTest, AForeignFileIsRefused) {
    std::string bytes = currentFormatFile(stored, "right");
    bytes.replace(2, 10, "Lookerbook");
    const QString file = path("foreign.lockbk");
    writeBytes(file, bytes);
    EXPECT_FALSE(open(file, QStringLiteral("right")));
    expectOneFailure(QStringLiteral(
        "The file does not appear to be a Lockerbook file. It could not be opened."));
    expectPreviousFileUntouched();
}

TEST_F(OpenFlowTest, AFileFromANewerVersionIsRefusedWithTheWebSite) {
    std::string bytes = currentFormatFile(stored, "right");
    bytes[16] = 7; // FormatVersion, after the 12-byte signature and the program version
    const QString file = path("newer.lockbk");
    writeBytes(file, bytes);
    EXPECT_FALSE(open(file, QStringLiteral("right")));
    expectOneFailure(QStringLiteral("This file is in a version higher than this program can "
                                    "read. For updates to Lockerbook, check ") +
                     texts::kWebsite + QStringLiteral("."));
    expectPreviousFileUntouched();
}

TEST_F(OpenFlowTest, ADamagedFileIsReportedWithItsErrorNumberAndChangesNothing) {
    std::string bytes = currentFormatFile(stored, "right");
    bytes.resize(bytes.size() - 9);
    const QString file = path("cut.lockbk");
    writeBytes(file, bytes);
    EXPECT_FALSE(open(file, QStringLiteral("right")));
    expectOneFailure(damagedText(programError(ProgramError::FileEndsEarly)));
    expectPreviousFileUntouched();
}

TEST_F(OpenFlowTest, AnEmptyFileIsReportedAsUnreadable) {
    const QString file = path("empty.lockbk");
    writeBytes(file, "");
    EXPECT_FALSE(open(file, QStringLiteral("right")));
    expectOneFailure(damagedText(programError(ProgramError::FileEndsEarly)));
    expectPreviousFileUntouched();
}

TEST_F(OpenFlowTest, AFileThatCannotBeReadIsReportedWithTheSystemsWords) {
    EXPECT_FALSE(open(dir.path(), QStringLiteral("right")));
    expectOneFailure(damagedText(systemError(EISDIR)));
    expectPreviousFileUntouched();
}

TEST_F(OpenFlowTest, AFileWithoutAccountsGivesAnEmptyTableAndNothingShown) {
    const QString file = path("none.lockbk");
    writeBytes(file, currentFormatFile({}, "right"));
    ASSERT_TRUE(open(file, QStringLiteral("right")));
    EXPECT_EQ(w.table().size(), 0);
    EXPECT_EQ(w.shownRow, -1);
    EXPECT_EQ(w.table().viewingRow(), -1);
    EXPECT_EQ(w.status(), QStringLiteral("Read (259 bytes)"));
    EXPECT_TRUE(w.currentFile().FileSaved);
    EXPECT_EQ(w.currentFile().CurrentFileName, file);
}

TEST_F(OpenFlowTest, SaveAfterOpenWritesBackToTheSameFileWithoutAQuestion) {
    const QString file = path("stored.lockbk");
    writeBytes(file, currentFormatFile(stored, "right"));
    ASSERT_TRUE(open(file, QStringLiteral("right")));
    w.table().setField(0, Field::Notes, "fed");
    w.currentFile().FileSaved = false;

    ASSERT_TRUE(SaveFile(w));

    EXPECT_EQ(user.fileDialogs.size(), 1u);
    EXPECT_EQ(user.passwordPrompts.size(), 1u);
    const ReadResult back = readAccountFile(readBytes(file), "right");
    ASSERT_EQ(back.outcome, ReadOutcome::Read);
    EXPECT_EQ(back.accounts[0].notes, "fed");
    EXPECT_TRUE(w.currentFile().FileSaved);
}

TEST_F(OpenFlowTest, StartUpReadsANamedFileWithoutTheDialogs) {
    const QString file = path("stored.lockbk");
    writeBytes(file, currentFormatFile(stored, "right"));
    user.willTypePassword(QStringLiteral("right"));
    ASSERT_TRUE(ReadAccountFile(w, file));
    EXPECT_EQ(w.querySaveCalls, 0);
    EXPECT_TRUE(user.fileDialogs.empty());
    EXPECT_EQ(w.table().accounts(), stored);
}

} // namespace
} // namespace lb::test
