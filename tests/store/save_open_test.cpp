// Save, Save As and Open as a person meets them: the dialogs, the master
// password, the status bar, every refusal, and the bytes left on disk. After
// every failure the window holds exactly what it held before.

#include "core/account_file.h"
#include "core/program_errors.h"
#include "flow_fixture.h"
#include "store/open_file.h"
#include "store/save_file.h"

#include <cerrno>
#include <sys/stat.h>

namespace lb::test {
namespace {

// What a file on disk holds, read back with the password, and of which kind it is.
std::vector<Account> accountsIn(const QString& file, std::string_view password, FileKind kind) {
    const std::string bytes = readBytes(file.toStdString());
    EXPECT_EQ(fileKindOf(bytes), kind);
    const DecodeResult r = decodeAccountFile(bytes, password);
    EXPECT_EQ(r.outcome, DecodeOutcome::Read) << r.error.description;
    return r.accounts;
}

QString unexpected(const Error& e, const char* doing) {
    return QStringLiteral("There was an unexpected error (number %1, %2) while %3.")
        .arg(e.number)
        .arg(QString::fromStdString(e.description), QLatin1String(doing));
}

using SaveFlow = FlowTest;

TEST_F(SaveFlow, FirstSaveAsksForAPathAndThePasswordTwiceAndAnyStopOrFailureKeepsTheFileNew) {
    user.willCancelFileDialog();
    EXPECT_FALSE(SaveFile(w));
    user.willChooseFile(path("a.lockbk"));
    user.willCancelPassword();
    EXPECT_FALSE(SaveFile(w));
    EXPECT_TRUE(folder.entries().empty());
    user.willChooseFile(path("missing/a.lockbk"));
    user.willTypePassword(QStringLiteral("pa\u00dfword"));
    EXPECT_FALSE(SaveFile(w));
    expectOneFailure(unexpected(systemError(ENOENT), "saving the file"));
    EXPECT_FALSE(w.currentFile().FileSaved);
    EXPECT_TRUE(w.currentFile().CurrentFileName.isEmpty());
    expectIdle();

    // The password stays chosen: the next save asks only for the path.
    const QString file = path("accounts.lockbk");
    user.willChooseFile(file);
    ASSERT_TRUE(SaveFile(w));
    EXPECT_EQ(user.passwordPrompts, (std::vector<bool>{true, true}));
    EXPECT_EQ(user.fileDialogs.back().selectedFilter, 1)
        << "a new file is sealed unless the person chooses";
    EXPECT_EQ(accountsIn(file, "pa\u00dfword", FileKind::Sealed), sampleAccounts());
    EXPECT_EQ(permissions(file.toStdString()), 0600u);
    EXPECT_TRUE(w.currentFile().FileSaved);
}

TEST_F(SaveFlow, SaveReplacesTheNamedFileAndSaveAsMovesAndConvertsItAskingBeforeALegacyFile) {
    const QString first = path("first.lockbk");
    const QString second = path("second.lockbk");
    const QString third = path("third.lockbk");
    writeBytes(first.toStdString(), "earlier");
    ::chmod(first.toLocal8Bit().constData(), 0640);
    haveOpenFile(first, "pw");
    ASSERT_TRUE(SaveFile(w));
    EXPECT_TRUE(user.passwordPrompts.empty()) << "the open file's password is used";
    EXPECT_EQ(accountsIn(first, "pw", FileKind::Classic), sampleAccounts());
    EXPECT_EQ(permissions(first.toStdString()), 0640u);

    user.willChooseFile(second, 2);
    ASSERT_TRUE(SaveFileAs(w));
    EXPECT_TRUE(user.messages.empty()) << "a file already in the legacy format is not asked about";
    w.table().removeAt(0);
    ASSERT_TRUE(SaveFile(w));
    EXPECT_EQ(accountsIn(first, "pw", FileKind::Classic), sampleAccounts()) << "left alone";
    EXPECT_EQ(accountsIn(second, "pw", FileKind::Classic).size(), 2u);
    user.willChooseFile(second, 1);
    ASSERT_TRUE(SaveFileAs(w));
    EXPECT_EQ(user.fileDialogs.back().selectedFilter, 2) << "the dialog offers the file's own kind";
    EXPECT_EQ(accountsIn(second, "pw", FileKind::Sealed).size(), 2u);

    user.willChooseFile(third, 2);
    user.willAnswer(QMessageBox::No);
    EXPECT_FALSE(SaveFileAs(w));
    EXPECT_EQ(folder.entries().size(), 2u) << "no legacy file without a Yes";
    user.willChooseFile(third, 2);
    user.willAnswer(QMessageBox::Yes);
    ASSERT_TRUE(SaveFileAs(w));
    EXPECT_EQ(accountsIn(third, "pw", FileKind::Classic).size(), 2u);
    EXPECT_EQ(user.messages.size(), 2u);
    user.willChooseFile(path("missing/fourth.lockbk"));
    EXPECT_FALSE(SaveFileAs(w));
    EXPECT_EQ(w.currentFile().CurrentFileName, third) << "a failed Save As keeps the old path";
}

TEST_F(SaveFlow, AFileChangedByAnotherProgramIsReplacedOnlyWhenThePersonSaysSo) {
    const QString file = path("shared.lockbk");
    const QString mine = path("mine.lockbk");
    haveOpenFile(file, "pw");
    ASSERT_TRUE(SaveFile(w));
    // A sync tool, a second copy of the program:
    const std::string theirs = sealedFile({{"Theirs", "", "", "", ""}}, "pw");
    writeBytes(file.toStdString(), theirs);

    user.willAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(SaveFile(w));
    user.willAnswer(QMessageBox::No); // save elsewhere
    user.willChooseFile(mine);
    ASSERT_TRUE(SaveFile(w));
    EXPECT_EQ(readBytes(file.toStdString()), theirs);
    EXPECT_EQ(accountsIn(mine, "pw", FileKind::Sealed), sampleAccounts());

    writeBytes(mine.toStdString(), theirs);
    user.willAnswer(QMessageBox::Discard); // replace
    ASSERT_TRUE(SaveFile(w));
    EXPECT_EQ(accountsIn(mine, "pw", FileKind::Sealed), sampleAccounts());
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

    // Chooses the file; the passwords queued before this one are tried first.
    bool open(const QString& file, const QString& password) {
        user.willChooseFile(file);
        user.willTypePassword(password);
        return OpenFile(w);
    }

    const QString previousName = QStringLiteral("/nowhere/previous.lockbk");
    const std::vector<Account> stored = {{"Zoo", "keeper", "", "https://zoo.example", "at noon"}};
};

TEST_F(OpenFlow, StoppingAtAnyQuestionChangesNothingAndAReadFileBecomesTheOpenFile) {
    const QString file = path("stored.lockbk");
    writeBytes(file.toStdString(), sealedFile(stored, "right"));
    w.querySaveAnswer = false;
    EXPECT_FALSE(OpenFile(w));
    EXPECT_TRUE(user.fileDialogs.empty());
    w.querySaveAnswer = true;
    user.willCancelFileDialog();
    EXPECT_FALSE(OpenFile(w));
    user.willChooseFile(file);
    user.willCancelPassword();
    EXPECT_FALSE(OpenFile(w));
    EXPECT_TRUE(user.messages.empty());
    expectPreviousFileUntouched();

    ASSERT_TRUE(open(file, QStringLiteral("right")));
    EXPECT_EQ(user.passwordPrompts, (std::vector<bool>{false, false}));
    EXPECT_EQ(w.table().accounts(), stored);
    EXPECT_EQ(w.shownRow, 0);
    EXPECT_EQ(w.currentFile().CurrentFileName, file);
    EXPECT_EQ(w.currentFile().CurrentPassword, "right");
    EXPECT_EQ(w.currentFile().kind, FileKind::Sealed);
    EXPECT_TRUE(w.currentFile().FileSaved);
    expectIdle();
    // A file without accounts shows nothing; a wrong password asks again.
    writeBytes(file.toStdString(), classicFile({}, "right"));
    user.passwordPrompts.clear();
    user.willTypePassword(QStringLiteral("wrong"));
    ASSERT_TRUE(open(file, QStringLiteral("right")));
    EXPECT_EQ(user.passwordPrompts.size(), 2u);
    EXPECT_EQ(user.lastMessageText(), QStringLiteral("Wrong password."));
    EXPECT_EQ(w.shownRow, -1);
}

TEST_F(OpenFlow, EveryRefusalIsOneMessageAndChangesNothing) {
    const std::string good = classicFile(stored, "right");
    std::string foreign = good;
    foreign.replace(2, 10, "Lookerbook");
    std::string newer = good;
    newer[16] = 7; // FormatVersion, after the 12-byte signature and the program version
    const std::string cut = good.substr(0, good.size() - 9);
    // No bytes: the folder itself is chosen. What the prompt cannot judge is
    // said while the window is busy; a wrong password by the prompt, which
    // then asks again (the person cancels), and an unreadable file or another
    // program's before it.
    const struct {
        std::string bytes;
        QString text;
        bool whileBusy;
    } rows[] = {
        {foreign, QStringLiteral("The file does not appear to be a Lockerbook file."), true},
        {newer, QStringLiteral("This file is in a version higher than this program"), true},
        {classicFile(stored, "other"), QStringLiteral("Wrong password."), false},
        {cut, unexpected(programError(ProgramError::FileEndsEarly), "reading the file"), true},
        {"", unexpected(programError(ProgramError::NotARegularFile), "reading the file"), false},
        // What people give to Open by mistake points at File > Import.
        {std::string("\x03\xD9\xA2\x9A\x67\xFB\x4B\xB5\x01\x00\x04\x00", 12) + good,
         QStringLiteral("The file does not appear to be a Lockerbook file. It could not be opened. "
                        "It is a KeePass database. To bring its accounts here, export them from "
                        "KeePassXC as a CSV file and choose File > Import."),
         false},
        {"name,url,username,password,note\nMail,https://m.example,me,pw,\n",
         QStringLiteral("The file does not appear to be a Lockerbook file. It could not be opened. "
                        "It looks like a CSV file, perhaps another program's export. To bring its "
                        "accounts here, choose File > Import."),
         false},
    };
    for (const auto& [bytes, text, whileBusy] : rows) {
        SCOPED_TRACE(text.toStdString());
        user.messages.clear();
        user.busyAtMessage.clear();
        QString file = QString::fromStdString(folder.path());
        if (!bytes.empty()) {
            file = path("file.lockbk");
            writeBytes(file.toStdString(), bytes);
        }
        EXPECT_FALSE(open(file, QStringLiteral("right")));
        expectOneFailure(text, whileBusy);
        expectPreviousFileUntouched();
    }
}

TEST_F(OpenFlow, AnOldFormatFileIsReadAfterTheWarningSavedInTheCurrentFormatAndCode255IsAnnounced) {
    const QString file = path("old.lockbk");
    writeBytes(file.toStdString(), legacyFile(stored, "right"));
    user.willAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(open(file, QStringLiteral("right")));
    expectPreviousFileUntouched();

    user.willAnswer(QMessageBox::Ok);
    ASSERT_TRUE(open(file, QStringLiteral("right")));
    EXPECT_EQ(w.table().accounts(), stored);
    ASSERT_TRUE(SaveFile(w));
    EXPECT_EQ(accountsIn(file, "right", FileKind::Classic), stored);

    // Damage is reported by its number alone, as the old format always did.
    writeBytes(file.toStdString(), legacyFile(stored, "right", {"Number Of Accounts: 9", "", "x"}));
    user.willAnswer(QMessageBox::Ok);
    EXPECT_FALSE(open(file, QStringLiteral("right")));
    EXPECT_EQ(user.lastMessageText(),
              QStringLiteral("There was an unexpected error (number %1) while reading the file.")
                  .arg(programError(ProgramError::LegacyAccountsBeyondFile).number));

    // Characters of code 255 are announced, as the legacy format that Save
    // writes cannot keep them. Only a password whose codes average 0
    // deciphers to code 255.
    std::vector<Account> withCode255 = stored;
    withCode255[0].notes = "caf\u00ff";
    writeBytes(file.toStdString(), legacyFile(withCode255, std::string(1, '\0')));
    user.willAnswer(QMessageBox::Ok);
    ASSERT_TRUE(open(file, QString(QChar(0))));
    EXPECT_EQ(user.messages.size(), 6u);
    EXPECT_TRUE(user.lastMessageText().contains(QStringLiteral("code 255")));
    EXPECT_EQ(w.table().accounts(), withCode255);
    // Save refuses, naming the account and field, and writes nothing.
    const std::string before = readBytes(file.toStdString());
    EXPECT_FALSE(SaveFile(w));
    EXPECT_TRUE(user.lastMessageText().contains(
        QStringLiteral("account 1 \"Zoo\", notes: U+00FF '\u00ff'")))
        << user.lastMessageText().toStdString();
    EXPECT_EQ(readBytes(file.toStdString()), before);
}

} // namespace
} // namespace lb::test
