// Save and Save As as a person meets them: the Save dialog, the new file's
// password, the status bar, the messages, and the bytes left on disk.

#include "flow_fixture.h"
#include "shell/texts.h"
#include "store/account_file.h"
#include "store/save_file.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace lb::test {
namespace {

class SaveFlowTest : public FlowTest {
protected:
    // What a file on disk holds, read back with the password.
    std::vector<Account> accountsIn(const QString& file, std::string_view password) {
        const ReadResult read = readAccountFile(readBytes(file), password);
        EXPECT_EQ(read.outcome, ReadOutcome::Read);
        return read.accounts;
    }

    QString savedStatus(const QString& file) const {
        return QStringLiteral("Saved (%1 bytes)").arg(QFileInfo(file).size());
    }
};

TEST_F(SaveFlowTest, FirstSaveAsksForAPathThenForThePasswordTwiceAndWrites) {
    w.table().replaceAll(sampleAccounts());
    w.currentFile().FileSaved = false;
    const QString file = path("accounts.lockbk");
    user.willChooseFile(file);
    user.willTypePassword(QStringLiteral("pa\u00dfword"));

    ASSERT_TRUE(SaveFile(w));

    ASSERT_EQ(user.fileDialogs.size(), 1u);
    const ui::FileDialogRequest& dialog = user.fileDialogs[0];
    EXPECT_EQ(dialog.kind, ui::FileDialogRequest::Kind::Save);
    EXPECT_EQ(dialog.title, QStringLiteral("Save"));
    EXPECT_EQ(dialog.filter,
              QStringLiteral("Lockerbook Files (*.lockbk)|*.lockbk|All Files (*.*)|*.*"));
    EXPECT_EQ(dialog.defaultSuffix, QStringLiteral("lockbk"));
    EXPECT_EQ(dialog.defaultSuffixFilter, 1);
    EXPECT_EQ(user.passwordPrompts, std::vector<bool>{true});
    EXPECT_TRUE(user.messages.empty());

    EXPECT_EQ(accountsIn(file, "pa\xdfword"), sampleAccounts());
    EXPECT_EQ(permissions(file), 0600u);
    EXPECT_EQ(w.status(), savedStatus(file));
    EXPECT_NE(std::find(w.statusLog.begin(), w.statusLog.end(),
                        QStringLiteral("Saving '%1'...").arg(file)),
              w.statusLog.end());
    expectIdle();
    EXPECT_TRUE(w.currentFile().FileSaved);
    EXPECT_EQ(w.currentFile().CurrentFileName, file);
    EXPECT_EQ(w.currentFile().CurrentPassword, "pa\xdfword");
}

TEST_F(SaveFlowTest, AnEmptyNewFileTakes259Bytes) {
    const QString file = path("empty.lockbk");
    user.willChooseFile(file);
    user.willTypePassword(QStringLiteral("p"));
    ASSERT_TRUE(SaveFile(w));
    EXPECT_EQ(w.status(), QStringLiteral("Saved (259 bytes)"));
    EXPECT_EQ(readBytes(file).size(), 259u);
}

TEST_F(SaveFlowTest, CancellingTheSaveDialogDoesNothing) {
    w.table().replaceAll(sampleAccounts());
    w.currentFile().FileSaved = false;
    user.willCancelFileDialog();
    EXPECT_FALSE(SaveFile(w));
    EXPECT_TRUE(user.messages.empty());
    EXPECT_TRUE(user.passwordPrompts.empty());
    EXPECT_TRUE(folderEntries(dir.path()).empty());
    EXPECT_FALSE(w.currentFile().FileSaved);
    EXPECT_TRUE(w.currentFile().CurrentFileName.isEmpty());
}

TEST_F(SaveFlowTest, CancellingTheNewPasswordWritesNothingAndLeavesTheFileWithoutOne) {
    w.table().replaceAll(sampleAccounts());
    w.currentFile().FileSaved = false;
    user.willChooseFile(path("a.lockbk"));
    user.willCancelPassword();
    EXPECT_FALSE(SaveFile(w));
    EXPECT_TRUE(user.messages.empty());
    EXPECT_TRUE(folderEntries(dir.path()).empty());
    EXPECT_FALSE(w.currentFile().FileSaved);
    EXPECT_TRUE(w.currentFile().CurrentPassword.empty());
    EXPECT_TRUE(w.currentFile().CurrentFileName.isEmpty());
    expectIdle();
}

TEST_F(SaveFlowTest, SavingANamedFileWritesAtOnceEachTime) {
    const QString file = path("named.lockbk");
    haveOpenFile(file, "pw");
    ASSERT_TRUE(SaveFile(w));
    ASSERT_TRUE(SaveFile(w));
    EXPECT_TRUE(user.fileDialogs.empty());
    EXPECT_TRUE(user.passwordPrompts.empty());
    EXPECT_EQ(std::count(w.statusLog.begin(), w.statusLog.end(),
                         QStringLiteral("Saving '%1'...").arg(file)),
              2);
    EXPECT_EQ(w.status(), savedStatus(file));
    EXPECT_EQ(accountsIn(file, "pw"), sampleAccounts());
    EXPECT_TRUE(w.currentFile().FileSaved);
}

TEST_F(SaveFlowTest, SaveAsMovesTheOpenFileToTheNewPath) {
    const QString first = path("first.lockbk");
    const QString second = path("second.lockbk");
    haveOpenFile(first, "pw");
    ASSERT_TRUE(SaveFile(w));
    const std::string firstBytes = readBytes(first);

    user.willChooseFile(second);
    ASSERT_TRUE(SaveFileAs(w));
    EXPECT_TRUE(user.passwordPrompts.empty());
    EXPECT_EQ(w.currentFile().CurrentFileName, second);

    w.table().removeAt(0);
    ASSERT_TRUE(SaveFile(w));
    EXPECT_EQ(user.fileDialogs.size(), 1u);
    EXPECT_EQ(readBytes(first), firstBytes);
    EXPECT_EQ(accountsIn(second, "pw").size(), 2u);
}

TEST_F(SaveFlowTest, AFailedSaveAsKeepsTheOldPath) {
    const QString file = path("kept.lockbk");
    haveOpenFile(file, "pw");
    user.willChooseFile(path("missing/elsewhere.lockbk"));
    EXPECT_FALSE(SaveFileAs(w));
    EXPECT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(w.currentFile().CurrentFileName, file);
    EXPECT_FALSE(w.currentFile().FileSaved);
}

TEST_F(SaveFlowTest, ReplacingAFileKeepsItsPermissionsAndNoneOfItsOldBytes) {
    const QString file = path("longer.lockbk");
    writeBytes(file, std::string(100000, 'Z'));
    ::chmod(QFile::encodeName(file).constData(), 0640);
    haveOpenFile(file, "pw");

    ASSERT_TRUE(SaveFile(w));

    const std::string bytes = readBytes(file);
    EXPECT_EQ(bytes.find("ZZZZ"), std::string::npos);
    // Exactly the new file: its size is fixed by the table, whatever the random shifts.
    EXPECT_EQ(bytes.size(), currentFormatFile(sampleAccounts(), "pw").size());
    EXPECT_EQ(accountsIn(file, "pw"), sampleAccounts());
    EXPECT_EQ(w.status(), QStringLiteral("Saved (%1 bytes)").arg(bytes.size()));
    EXPECT_EQ(permissions(file), 0640u);
    EXPECT_EQ(folderEntries(dir.path()), std::vector<QString>{QStringLiteral("longer.lockbk")});
}

TEST_F(SaveFlowTest, SavingOntoAFolderIsReportedAndLeavesTheFolder) {
    haveOpenFile(dir.path(), "pw");
    EXPECT_FALSE(SaveFile(w));
    expectOneFailure(texts::unexpectedError(EISDIR, QString::fromUtf8(std::strerror(EISDIR)),
                                            QStringLiteral("saving the file")));
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
    EXPECT_FALSE(w.currentFile().FileSaved);
    expectIdle();
}

} // namespace
} // namespace lb::test
