// Save, Save As and Open as a person meets them: the dialogs, the master
// password, the status bar, every refusal, and the bytes left on disk. After
// every failure the window holds exactly what it held before.

#include "core/account_file.h"
#include "core/program_errors.h"
#include "flow_fixture.h"
#include "store/open_file.h"
#include "store/save_file.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace lb::test {
namespace {

// What a file on disk holds, read back with the password, and of which kind it is.
std::vector<Account> accountsIn(const QString& file, std::string_view password,
                                FileKind kind = FileKind::Classic) {
    const std::string bytes = readBytes(file.toStdString());
    EXPECT_EQ(fileKindOf(bytes), kind);
    const DecodeResult read = decodeAccountFile(bytes, password);
    EXPECT_EQ(read.outcome, DecodeOutcome::Read);
    return read.accounts;
}

QString unexpected(const Error& e, const char* doing) {
    return QStringLiteral("There was an unexpected error (number %1, %2) while %3.")
        .arg(e.number)
        .arg(QString::fromStdString(e.description), QLatin1String(doing));
}

class SaveFlow : public FlowTest {
protected:
    void haveNewFile() {
        w.table().replaceAll(sampleAccounts());
        w.currentFile().FileSaved = false;
    }
};

TEST_F(SaveFlow, FirstSaveAsksForAPathThenThePasswordTwiceAndWritesTheOwnersFile) {
    haveNewFile();
    const QString file = path("accounts.lockbk");
    user.willChooseFile(file);
    user.willTypePassword(QStringLiteral("pa\u00dfword"));

    ASSERT_TRUE(SaveFile(w));

    ASSERT_EQ(user.fileDialogs.size(), 1u);
    EXPECT_EQ(user.fileDialogs[0].kind, ui::FileDialogRequest::Kind::Save);
    EXPECT_EQ(user.fileDialogs[0].title, QStringLiteral("Save"));
    EXPECT_EQ(user.passwordPrompts, std::vector<bool>{true});
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(user.fileDialogs[0].selectedFilter, 1)
        << "a new file is sealed unless the person chooses";
    EXPECT_EQ(accountsIn(file, "pa\xdfword", FileKind::Sealed), sampleAccounts());
    EXPECT_EQ(permissions(file.toStdString()), 0600u);
    EXPECT_TRUE(logged(QStringLiteral("Saving '%1'...").arg(file)));
    EXPECT_EQ(w.status(),
              QStringLiteral("Saved (%1 bytes)").arg(readBytes(file.toStdString()).size()));
    expectIdle();
    EXPECT_TRUE(w.currentFile().FileSaved);
    EXPECT_EQ(w.currentFile().CurrentFileName, file);
}

TEST_F(SaveFlow, CancellingTheDialogOrThePasswordWritesNothingAndKeepsTheFileNew) {
    for (bool atPassword : {false, true}) {
        SCOPED_TRACE(atPassword ? "password cancelled" : "dialog cancelled");
        haveNewFile();
        if (atPassword) {
            user.willChooseFile(path("a.lockbk"));
            user.willCancelPassword();
        } else {
            user.willCancelFileDialog();
        }
        EXPECT_FALSE(SaveFile(w));
        EXPECT_TRUE(user.messages.empty());
        EXPECT_TRUE(folder.entries().empty());
        EXPECT_FALSE(w.currentFile().FileSaved);
        EXPECT_TRUE(w.currentFile().CurrentPassword.empty());
        EXPECT_TRUE(w.currentFile().CurrentFileName.isEmpty());
        expectIdle();
    }
}

TEST_F(SaveFlow, AnUnwritablePathIsReportedButKeepsTheChosenPassword) {
    haveNewFile();
    user.willChooseFile(path("missing/a.lockbk"));
    user.willTypePassword(QStringLiteral("pw"));
    EXPECT_FALSE(SaveFile(w));
    expectOneFailure(unexpected(systemError(ENOENT), "saving the file"));
    EXPECT_FALSE(w.currentFile().FileSaved);
    EXPECT_EQ(w.currentFile().CurrentPassword, "pw");
    EXPECT_TRUE(w.currentFile().CurrentFileName.isEmpty());
    expectIdle();
    // The next save asks only for the path.
    user.willChooseFile(path("a.lockbk"));
    ASSERT_TRUE(SaveFile(w));
    EXPECT_EQ(user.passwordPrompts.size(), 1u);
    EXPECT_EQ(accountsIn(path("a.lockbk"), "pw", FileKind::Sealed), sampleAccounts());
}

TEST_F(SaveFlow, ANamedFileIsWrittenAtOnceAndSaveAsMovesItToTheNewPath) {
    const QString first = path("first.lockbk");
    const QString second = path("second.lockbk");
    writeBytes(first.toStdString(), std::string(100000, 'Z'));
    ::chmod(first.toLocal8Bit().constData(), 0640);
    haveOpenFile(first, "pw");
    ASSERT_TRUE(SaveFile(w));
    EXPECT_TRUE(user.fileDialogs.empty());
    EXPECT_TRUE(user.passwordPrompts.empty());
    EXPECT_EQ(accountsIn(first, "pw"), sampleAccounts());
    EXPECT_EQ(permissions(first.toStdString()), 0640u) << "a replaced file keeps its mode";
    const std::string firstBytes = readBytes(first.toStdString());

    user.willChooseFile(second);
    ASSERT_TRUE(SaveFileAs(w));
    EXPECT_EQ(w.currentFile().CurrentFileName, second);
    w.table().removeAt(0);
    ASSERT_TRUE(SaveFile(w));
    EXPECT_EQ(user.fileDialogs.size(), 1u);
    EXPECT_EQ(readBytes(first.toStdString()), firstBytes);
    EXPECT_EQ(accountsIn(second, "pw", FileKind::Sealed).size(), 2u);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"first.lockbk", "second.lockbk"}));

    user.willChooseFile(path("missing/third.lockbk"));
    EXPECT_FALSE(SaveFileAs(w));
    EXPECT_EQ(w.currentFile().CurrentFileName, second) << "a failed Save As keeps the old path";
}

TEST_F(SaveFlow, SaveAsConvertsEitherWayAndAsksBeforeALegacyFile) {
    haveNewFile();
    w.currentFile().CurrentPassword = SecretBytes("pw");
    const QString file = path("converted.lockbk");
    user.willChooseFile(file, 2);
    user.willAnswer(QMessageBox::No);
    EXPECT_FALSE(SaveFileAs(w));
    EXPECT_TRUE(folder.entries().empty()) << "no legacy file without a Yes";
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].defaultButton, QMessageBox::No);
    EXPECT_TRUE(user.messages[0].text.contains(QStringLiteral("only obfuscates")));
    user.willChooseFile(file, 2);
    user.willAnswer(QMessageBox::Yes);
    ASSERT_TRUE(SaveFileAs(w));
    EXPECT_EQ(accountsIn(file, "pw", FileKind::Classic), sampleAccounts());
    ASSERT_TRUE(SaveFile(w));
    EXPECT_EQ(accountsIn(file, "pw", FileKind::Classic), sampleAccounts()) << "Save keeps the kind";
    user.willChooseFile(file, 1);
    ASSERT_TRUE(SaveFileAs(w));
    EXPECT_EQ(user.fileDialogs.back().selectedFilter, 2) << "the dialog offers the file's own kind";
    EXPECT_EQ(accountsIn(file, "pw", FileKind::Sealed), sampleAccounts());
    user.willChooseFile(file, 3); // All Files keeps the kind
    ASSERT_TRUE(SaveFileAs(w));
    EXPECT_EQ(accountsIn(file, "pw", FileKind::Sealed), sampleAccounts());
    EXPECT_EQ(user.messages.size(), 2u) << "only turning a file into a legacy one asks";
}

TEST_F(SaveFlow, AFileChangedByAnotherProgramIsReplacedOnlyWhenThePersonSaysSo) {
    const QString file = path("shared.lockbk");
    writeBytes(file.toStdString(), sealedFile(sampleAccounts(), "pw"));
    user.willTypePassword(QStringLiteral("pw"));
    ASSERT_TRUE(ReadAccountFile(w, file));
    w.table().removeAt(0);
    w.currentFile().FileSaved = false;
    const std::string theirs = sealedFile({{"Theirs", "", "", "", ""}}, "pw");
    writeBytes(file.toStdString(), theirs); // a sync tool, a second copy of the program

    user.willAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(SaveFile(w));
    EXPECT_EQ(readBytes(file.toStdString()), theirs);
    EXPECT_FALSE(w.currentFile().FileSaved);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_TRUE(user.messages[0].text.contains(QStringLiteral("changed by another program")));

    user.willAnswer(QMessageBox::No); // save elsewhere
    user.willChooseFile(path("mine.lockbk"));
    ASSERT_TRUE(SaveFile(w));
    EXPECT_EQ(readBytes(file.toStdString()), theirs);
    EXPECT_EQ(accountsIn(path("mine.lockbk"), "pw", FileKind::Sealed).size(), 2u);
    EXPECT_EQ(w.currentFile().CurrentFileName, path("mine.lockbk"));

    writeBytes(path("mine.lockbk").toStdString(), theirs);
    user.willAnswer(QMessageBox::Yes);
    ASSERT_TRUE(SaveFile(w));
    EXPECT_EQ(accountsIn(path("mine.lockbk"), "pw", FileKind::Sealed).size(), 2u);
    ASSERT_TRUE(SaveFile(w));
    EXPECT_EQ(user.messages.size(), 3u) << "a file only this window wrote asks nothing";
}

class OpenFlow : public FlowTest {
protected:
    // Another file is open with an unsaved change and its second account shown.
    OpenFlow() { haveOpenFile(previousName, "previous"); }

    void expectPreviousFileUntouched() {
        EXPECT_EQ(w.table().accounts(), sampleAccounts());
        EXPECT_EQ(w.currentFile().CurrentFileName, previousName);
        EXPECT_EQ(w.currentFile().CurrentPassword, "previous");
        EXPECT_FALSE(w.currentFile().FileSaved);
        EXPECT_EQ(w.table().viewingRow(), 1);
        expectIdle();
    }

    bool open(const QString& file, const QString& password) {
        user.willChooseFile(file);
        user.willTypePassword(password);
        return OpenFile(w);
    }

    const QString previousName = QStringLiteral("/nowhere/previous.lockbk");
    const std::vector<Account> stored = {
        {"Zoo", "keeper", "lion", "https://zoo.example", "feed at noon"},
        {"Garden", "", "", "", "no password"},
    };
};

TEST_F(OpenFlow, ReadsTheFileShowsTheFirstAccountAndMakesItTheOpenFile) {
    const QString file = path("stored.lockbk");
    writeBytes(file.toStdString(), sealedFile(stored, "right"));
    ASSERT_TRUE(open(file, QStringLiteral("right")));
    EXPECT_EQ(w.querySaveCalls, 1);
    EXPECT_EQ(user.fileDialogs[0].kind, ui::FileDialogRequest::Kind::Open);
    EXPECT_EQ(user.passwordPrompts, std::vector<bool>{false});
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(w.table().accounts(), stored);
    EXPECT_EQ(w.shownRow, 0);
    EXPECT_TRUE(logged(QStringLiteral("Reading '%1'...").arg(file)));
    EXPECT_EQ(w.status(),
              QStringLiteral("Read (%1 bytes)").arg(readBytes(file.toStdString()).size()));
    expectIdle();
    EXPECT_EQ(w.currentFile().CurrentFileName, file);
    EXPECT_EQ(w.currentFile().CurrentPassword, "right");
    EXPECT_EQ(w.currentFile().kind, FileKind::Sealed);
    EXPECT_TRUE(w.currentFile().FileSaved);

    // A file without accounts shows nothing.
    writeBytes(file.toStdString(), classicFile({}, "right"));
    w.querySaveAnswer = true;
    ASSERT_TRUE(open(file, QStringLiteral("right")));
    EXPECT_EQ(w.shownRow, -1);
    EXPECT_EQ(w.status(), QStringLiteral("Read (259 bytes)"));
}

TEST_F(OpenFlow, StoppingAtAnyQuestionChangesNothing) {
    const QString file = path("stored.lockbk");
    writeBytes(file.toStdString(), classicFile(stored, "right"));
    w.querySaveAnswer = false;
    EXPECT_FALSE(OpenFile(w));
    EXPECT_TRUE(user.fileDialogs.empty());
    w.querySaveAnswer = true;
    user.willCancelFileDialog();
    EXPECT_FALSE(OpenFile(w));
    EXPECT_TRUE(user.passwordPrompts.empty());
    user.willChooseFile(file);
    user.willCancelPassword();
    EXPECT_FALSE(OpenFile(w));
    EXPECT_TRUE(user.messages.empty());
    expectPreviousFileUntouched();
}

TEST_F(OpenFlow, EveryRefusalIsOneMessageAndChangesNothing) {
    std::string foreign = classicFile(stored, "right");
    foreign.replace(2, 10, "Lookerbook");
    std::string newer = classicFile(stored, "right");
    newer[16] = 7; // FormatVersion, after the 12-byte signature and the program version
    std::string cut = classicFile(stored, "right");
    cut.resize(cut.size() - 9);
    const struct {
        const char* name;
        std::string bytes;
        const char* password;
        QString text;
    } rows[] = {
        {"foreign", foreign, "right",
         QStringLiteral(
             "The file does not appear to be a Lockerbook file. It could not be opened.")},
        {"newer", newer, "right",
         QStringLiteral("This file is in a version higher than this program can read. For "
                        "updates to Lockerbook, check https://lockerbook.example.org/.")},
        {"wrong password", classicFile(stored, "right"), "wrong",
         QStringLiteral("Wrong password.")},
        {"cut short", cut, "right",
         unexpected(programError(ProgramError::FileEndsEarly), "reading the file")},
        {"empty", "", "right",
         unexpected(programError(ProgramError::FileEndsEarly), "reading the file")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        user.messages.clear();
        user.busyAtMessage.clear();
        const QString file = path("file.lockbk");
        writeBytes(file.toStdString(), row.bytes);
        EXPECT_FALSE(open(file, QLatin1String(row.password)));
        expectOneFailure(row.text);
        expectPreviousFileUntouched();
    }
    user.messages.clear();
    user.busyAtMessage.clear();
    EXPECT_FALSE(open(QString::fromStdString(folder.path()), QStringLiteral("right")));
    expectOneFailure(unexpected(programError(ProgramError::NotARegularFile), "reading the file"));
}

TEST_F(OpenFlow, AnOldFormatFileIsReadAfterTheWarningAndSavedInTheCurrentFormat) {
    const QString file = path("old.lockbk");
    const std::string old = legacyFile(stored, "right");
    writeBytes(file.toStdString(), old);
    // Cancel at the warning changes nothing.
    user.willAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(open(file, QStringLiteral("right")));
    expectPreviousFileUntouched();
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, QStringLiteral("Old Format"));
    EXPECT_EQ(user.messages[0].defaultButton, QMessageBox::Ok);

    user.willAnswer(QMessageBox::Ok);
    ASSERT_TRUE(open(file, QStringLiteral("right")));
    EXPECT_EQ(w.table().accounts(), stored);
    EXPECT_EQ(w.currentFile().CurrentFileName, file);
    EXPECT_TRUE(w.currentFile().FileSaved);
    EXPECT_EQ(readBytes(file.toStdString()), old);
    w.currentFile().FileSaved = false;
    ASSERT_TRUE(SaveFile(w));
    EXPECT_EQ(accountsIn(file, "right"), stored);

    // Damage is reported by its number alone, as the old format always did.
    writeBytes(file.toStdString(), legacyFile(stored, "right", {"Number Of Accounts: 9", "", "x"}));
    user.messages.clear();
    user.willAnswer(QMessageBox::Ok);
    EXPECT_FALSE(open(file, QStringLiteral("right")));
    EXPECT_EQ(user.lastMessageText(),
              QStringLiteral("There was an unexpected error (number %1) while reading the file.")
                  .arg(programError(ProgramError::LegacyAccountsBeyondFile).number));
}

TEST_F(OpenFlow, CharactersOfCode255FromAnOldFileAreAnnouncedBeforeASaveLosesThem) {
    // Only a password whose codes average 0 deciphers to code 255.
    const std::string password(1, '\0');
    std::vector<Account> withCode255 = stored;
    withCode255[1].notes = "caf\xff";
    const QString file = path("old.lockbk");
    writeBytes(file.toStdString(), legacyFile(withCode255, password));
    user.willAnswer(QMessageBox::Ok);
    ASSERT_TRUE(open(file, QString(QChar(0))));
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[1].icon, QMessageBox::Information);
    EXPECT_TRUE(user.messages[1].text.contains(QStringLiteral("code 255")));
    EXPECT_EQ(w.table().accounts(), withCode255);
}

} // namespace
} // namespace lb::test
