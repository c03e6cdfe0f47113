// Edit > Undo and Redo, the Delete key, and the find box, as a person uses
// them: the list, the pane, the Edit menu's words, the status bar and the
// saved flag after every step.

#include "account_files.h"
#include "core/account_file.h"
#include "core/clock.h"
#include "main_window_fixture.h"
#include "store/open_file.h"
#include "store/save_file.h"

#include <QMenu>
#include <QProcess>
#include <map>

namespace lb::test {
namespace {

class History : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        showWindow();
        window->NewFile();
    }

    QString undoText() const { return commands().mnuEditUndo->text(); }
    QStringList names() const {
        QStringList out;
        for (int row = 0; row < window->table().size(); ++row) {
            out << cell(row, 0);
        }
        return out;
    }
    void typeInto(const char* name, const QString& text) {
        QLineEdit* target = box(name);
        target->setFocus();
        target->selectAll();
        typeText(target, text);
    }
};

TEST_F(History, EveryChangeUndoesAndRedoesWithTheListThePaneAndTheSavedFlag) {
    addAccounts(2);
    typeInto("txtViewUserName", QStringLiteral("bob"));
    typeInto("txtViewPassword", QStringLiteral("pw"));
    box("txtViewUserName")->setFocus(); // a second visit to the same field is a step of its own
    QTest::keyClick(box("txtViewUserName"), Qt::Key_End);
    typeText(box("txtViewUserName"), QStringLiteral("by"));
    clickRow(0);
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Delete);
    ASSERT_EQ(names(), QStringList{QStringLiteral("New Account 2")});
    struct Step {
        const char* undo;      // the Edit menu's words before the undo
        QStringList names;     // the list after it
        const char* shownUser; // the pane's user name after it
    };
    const Step steps[] = {
        {"Undo Remove 'New Account 1'", {"New Account 1", "New Account 2"}, ""},
        {"Undo Edit User Name of 'New Account 2'", {"New Account 1", "New Account 2"}, "bob"},
        {"Undo Edit Password of 'New Account 2'", {"New Account 1", "New Account 2"}, "bob"},
        {"Undo Edit User Name of 'New Account 2'", {"New Account 1", "New Account 2"}, ""},
        {"Undo Add 'New Account 2'", {"New Account 1"}, ""},
        {"Undo Add 'New Account 1'", {}, ""},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.undo);
        EXPECT_EQ(undoText(), QLatin1String(step.undo));
        list()->setFocus(); // outside a text box Ctrl+Z is the menu's
        press("Ctrl+Z");
        EXPECT_EQ(names(), step.names);
        EXPECT_EQ(box("txtViewUserName")->text(), QLatin1String(step.shownUser));
    }
    EXPECT_TRUE(window->currentFile().FileSaved) << "back where the file was saved";
    EXPECT_FALSE(commands().mnuEditUndo->isEnabled());
    for (int i = 0; i < 6; ++i) {
        press("Ctrl+Shift+Z");
    }
    EXPECT_EQ(names(), QStringList{QStringLiteral("New Account 2")});
    EXPECT_EQ(window->table().account(0).user, "bobby");
    EXPECT_EQ(window->table().account(0).password, "pw");
    EXPECT_FALSE(window->currentFile().FileSaved);
}

TEST_F(History, RanPasswordAndTheGeneratorAreStepsAndSavingMakesTheSavedState) {
    addAccounts(1);
    typeInto("txtViewPassword", QStringLiteral("imported-20-chars-pw"));
    button("cmdViewRandomPassword")->click();
    const std::string random = window->table().account(0).password;
    EXPECT_NE(random, "imported-20-chars-pw");
    user->willUseGeneratedPassword(QStringLiteral("G3n-erated!"));
    press("Ctrl+G");
    EXPECT_EQ(box("txtViewPassword")->text(), QStringLiteral("G3n-erated!"));
    EXPECT_EQ(undoText(), QStringLiteral("Undo Generated Password for 'New Account 1'"));
    press("Ctrl+Z");
    EXPECT_EQ(window->table().account(0).password, random);
    EXPECT_EQ(undoText(), QStringLiteral("Undo Random Password for 'New Account 1'"));
    press("Ctrl+Z");
    EXPECT_EQ(box("txtViewPassword")->text(), QStringLiteral("imported-20-chars-pw"));

    user->willChooseFile(QString::fromStdString(folder / "a.lockbk"));
    user->willTypePassword(QStringLiteral("correct horse battery"));
    ASSERT_TRUE(SaveFile(*window));
    EXPECT_TRUE(window->currentFile().FileSaved);
    press("Ctrl+Z"); // behind the saved state
    EXPECT_FALSE(window->currentFile().FileSaved);
    press("Ctrl+Shift+Z");
    EXPECT_TRUE(window->currentFile().FileSaved);
    window->NewFile();
    EXPECT_FALSE(commands().mnuEditUndo->isEnabled()) << "the history went with its table";
}

TEST_F(History, ThePasswordBoxSaysHowStrongItsPasswordIsAndOffersTheGenerator) {
    addAccounts(1);
    const struct {
        const char* password;
        const char* said; // the box's tooltip and spoken description
    } rows[] = {{"a", "Strength: very weak"},
                {"2722Base", "Strength: weak"},
                {"correct horse battery staple", "Strength: strong"},
                {"\u00dcn\u00efc\u00f6d\u00e9-p\u00e4ssw\u00f6rd", "Strength: very strong"},
                {"k#9Qv!2mZ@x7LpR4tW8e", "Strength: very strong"},
                {"", ""}};
    QLineEdit* password = box("txtViewPassword");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.password);
        password->setText(QString::fromUtf8(row.password));
        EXPECT_EQ(password->accessibleDescription(), QLatin1String(row.said));
        EXPECT_EQ(password->toolTip(), QLatin1String(row.said));
    }
    user->willUseGeneratedPassword(QStringLiteral("from-the-box"));
    part<QAction>("actViewGeneratePassword")->trigger();
    EXPECT_EQ(window->table().account(0).password, "from-the-box");
}

TEST_F(History, TheFindBoxShowsWhatHoldsEveryWordAndSaveStillTakesEveryAccount) {
    std::vector<Account> accounts = {{"Bank of Z\u00fcrich", "anna", "s1", "", ""},
                                     {"Mail", "bob", "zurich", "", "work"},
                                     {"Shop", "carl", "s3", "", "Zurich office"}};
    window->table().replaceAll(std::move(accounts));
    window->showAccount(1);
    commands().mnuViewToolbar->trigger(); // hidden: Ctrl+F shows it first
    press("Ctrl+F");
    auto* find = part<QLineEdit>("txtFind");
    ASSERT_TRUE(find->isVisible());
    EXPECT_TRUE(find->hasFocus());
    typeText(find, QStringLiteral("zurich"));
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Bank of Z\u00fcrich"), QStringLiteral("Shop")}))
        << "passwords are never searched";
    EXPECT_EQ(window->statusText(), QStringLiteral("2 of 3 accounts shown"));
    EXPECT_EQ(box("txtViewAccountName")->text(), QStringLiteral("Bank of Z\u00fcrich"));
    typeText(find, QStringLiteral(" off"));
    EXPECT_EQ(names(), QStringList{QStringLiteral("Shop")});
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Delete); // Remove works on what is shown
    EXPECT_EQ(window->table().totalCount(), 2);
    EXPECT_EQ(window->statusText(), QStringLiteral("0 of 2 accounts shown"));
    find->setFocus();
    QTest::keyClick(find, Qt::Key_Escape);
    EXPECT_TRUE(find->text().isEmpty());
    EXPECT_TRUE(list()->hasFocus());
    EXPECT_EQ(names().size(), 2);

    find->setText(QStringLiteral("mail"));
    const QString file = QString::fromStdString(folder / "all.lockbk");
    user->willChooseFile(file);
    user->willTypePassword(QStringLiteral("pw"));
    ASSERT_TRUE(SaveFile(*window));
    EXPECT_EQ(decodeAccountFile(readBytes(file.toStdString()), "pw").accounts.size(), 2u);
    press("Ctrl+E");
    EXPECT_TRUE(find->text().isEmpty()) << "a new account is seen";
    EXPECT_EQ(window->table().size(), 3);
    window->SetMiniMode(true);
    press("Ctrl+F");
    EXPECT_FALSE(find->isVisible());
    EXPECT_FALSE(find->hasFocus()) << "a hidden box takes no keys";
}

TEST_F(History, AnImportedListStaysUnsavedThroughUndoAndTheTitleSaysSoUntilItGoes) {
    const std::string exported = folder / "export.csv";
    writeBytes(exported, "name,url,username,password\nMail,https://m.example,me,pw\n");
    user->willChooseFile(QString::fromStdString(exported));
    commands().mnuFileImport->trigger();
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Lockerbook - 1 account imported, not yet saved"));
    EXPECT_EQ(window->statusText(), QStringLiteral("Imported 1 account from a Chrome export."));
    EXPECT_EQ(box("txtViewUserName")->text(), QStringLiteral("me"));
    typeInto("txtViewUserName", QStringLiteral("you"));
    list()->setFocus();
    press("Ctrl+Z");
    EXPECT_EQ(window->table().account(0).user, "me");
    EXPECT_FALSE(window->currentFile().FileSaved) << "the import itself is not saved anywhere";
    user->willAnswer(QMessageBox::No); // do not save
    window->NewFile();
    EXPECT_EQ(user->messages.size(), 1u);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Lockerbook"));
}

TEST_F(History, AnyScriptTravelsThroughTheWindowAndItsFileByteForByte) {
    addAccounts(1);
    const char* texts[] = {"\u042f\u043d\u0434\u0435\u043a\u0441 \u041f\u043e\u0447\u0442\u0430 "
                           "\u0394\u03b5\u03bb\u03c4\u03b1 \u0141\u00f3d\u017a",
                           "\u674e\u5c0f\u9f99 \u5c71\u7530",
                           "\u0643\u0644\u0645\u0629 \u05e1\u05d9\u05e1\u05de\u05d4 \U0001F3AE",
                           "https://\u00fc\u00ff.example", "e\u0301 \u00ff \u30d1\u30b9"};
    const char* boxes[] = {"txtViewAccountName", "txtViewUserName", "txtViewPassword",
                           "txtViewURL"};
    for (int f = 0; f < 4; ++f) {
        typeInto(boxes[f], QString::fromUtf8(texts[f]));
    }
    auto* notes = part<QPlainTextEdit>("txtViewNotes");
    notes->setFocus();
    notes->selectAll();
    typeText(notes, QString::fromUtf8(texts[4]));
    const QString file = QString::fromStdString(folder / "world.lockbk");
    const QString password = QStringLiteral("\u043f\u0430\u0440\u043e\u043b\u044c");
    user->willChooseFile(file);
    user->willTypePassword(password);
    ASSERT_TRUE(SaveFile(*window));
    window->NewFile();
    user->willChooseFile(file);
    user->willTypePassword(password);
    press("Ctrl+O");
    ASSERT_EQ(window->table().totalCount(), 1);
    for (int f = 0; f < kFieldCount; ++f) {
        EXPECT_EQ(window->table().account(0).field(static_cast<Field>(f)), texts[f]) << f;
    }
}

TEST_F(History, ANewMasterPasswordSealsTheFileAtTheNextSave) {
    addAccounts(1);
    const QString file = QString::fromStdString(folder / "a.lockbk");
    user->willChooseFile(file);
    user->willTypePassword(QStringLiteral("first one"));
    ASSERT_TRUE(SaveFile(*window));
    user->willTypePassword(QStringLiteral("second \u0416"));
    commands().mnuFileChangePassword->trigger();
    EXPECT_EQ(user->passwordPrompts.back(), true) << "typed twice, as for a new file";
    EXPECT_FALSE(window->currentFile().FileSaved);
    EXPECT_EQ(decodeAccountFile(readBytes(file.toStdString()), "first one").outcome,
              DecodeOutcome::Read)
        << "nothing written yet";
    press("Ctrl+S");
    EXPECT_EQ(decodeAccountFile(readBytes(file.toStdString()), "second \u0416").outcome,
              DecodeOutcome::Read);
    EXPECT_TRUE(window->currentFile().FileSaved);
}

// lockerbook-cli, as a script on the other computer would run it.
QString cli(const QStringList& arguments, const QByteArray& input) {
    QProcess process;
    process.start(QStringLiteral(LOCKERBOOK_CLI), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(History, AFileChangedByTheCommandLineWhileOpenIsMergedAtSaveAndTheMergeUndone) {
    const QString file = QString::fromStdString(folder / "shared.lockbk");
    std::vector<Account> accounts = {{"Bank", "anna", "s1", "", "b"},
                                     {"Mail", "bob", "s2", "", ""}};
    for (Account& a : accounts) {
        a.id = newAccountId();
        a.created = a.modified = nowMs() - 60'000;
    }
    writeBytes(file.toStdString(), sealedFile(accounts, "pw"));
    user->willTypePassword(QStringLiteral("pw"));
    ASSERT_TRUE(ReadAccountFile(*window, file));
    // The other computer: Mail's notes change and an account comes, through dump and create.
    QString json = cli({QStringLiteral("dump"), file}, "pw\n");
    json.replace(QStringLiteral("\"notes\":\"\",\"id\""),
                 QStringLiteral("\"notes\":\"theirs\",\"id\""));
    json.replace(QStringLiteral("{\"accounts\":["),
                 QStringLiteral("{\"accounts\":[{\"name\":\"Laptop\"},"));
    cli({QStringLiteral("create"), QStringLiteral("--force"), file}, "pw\n" + json.toUtf8());
    // Here: Bank's user name changes.
    typeInto("txtViewUserName", QStringLiteral("annette"));
    user->willPressEnter(); // Merge, the question's default
    press("Ctrl+S");
    const auto names = [](const std::vector<Account>& table) {
        std::map<std::string, std::string> out;
        for (const Account& a : table) {
            out[a.name] = a.user + "|" + a.notes;
        }
        return out;
    };
    const std::map<std::string, std::string> both = {
        {"Bank", "annette|b"}, {"Mail", "bob|theirs"}, {"Laptop", "|"}};
    EXPECT_EQ(names(window->table().accounts()), both);
    EXPECT_EQ(names(decodeAccountFile(readBytes(file.toStdString()), "pw").accounts), both);
    EXPECT_TRUE(window->statusText().contains(QStringLiteral("from the file on disk")))
        << window->statusText().toStdString();
    list()->setFocus();
    press("Ctrl+Z");
    EXPECT_EQ(window->table().totalCount(), 2) << "the merge is undone";
    EXPECT_FALSE(window->currentFile().FileSaved);
}

} // namespace
} // namespace lb::test
