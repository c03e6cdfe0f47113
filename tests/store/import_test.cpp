// File > Import as a person meets it: the export and its kind chosen, the
// accounts as a new list not yet saved, what the status bar and the title say,
// every refusal, and the reminder to delete the export once the list is saved.

#include "core/account_file.h"
#include "flow_fixture.h"
#include "store/import_accounts.h"
#include "store/save_file.h"

#include <cstdlib>
#include <filesystem>

namespace lb::test {
namespace {

const std::string kKeePassXCHeader = "\"Group\",\"Title\",\"Username\",\"Password\",\"URL\","
                                     "\"Notes\",\"TOTP\",\"Icon\",\"Last Modified\",\"Created\"\n";

// A home folder for the test, so that the trash is there, and the real one back afterwards.
class HomeOfItsOwn {
public:
    explicit HomeOfItsOwn(const std::string& home) {
        std::filesystem::create_directories(home + "/share");
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("XDG_DATA_HOME", (home + "/share").c_str(), 1);
    }
    ~HomeOfItsOwn() {
        ::setenv("HOME", home_.c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
    }

private:
    const std::string home_ = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
};

class ImportFlow : public FlowTest {
protected:
    // Another file is open, a change not yet saved.
    ImportFlow() { haveOpenFile(QStringLiteral("/nowhere/previous.lockbk"), "previous"); }

    bool import(const std::string& bytes, int type = 1) {
        writeBytes(exportPath.toStdString(), bytes);
        user.willChooseFile(exportPath, type);
        return ImportAccounts(w);
    }

    const QString exportPath = path("export.csv");
};

TEST_F(ImportFlow, EachSourceBecomesANewUnsavedListAndTheStatusAndTitleSayWhatCameIn) {
    w.querySaveAnswer = false;
    EXPECT_FALSE(ImportAccounts(w));
    EXPECT_TRUE(user.fileDialogs.empty()) << "Cancel at the save question stops";
    w.querySaveAnswer = true;

    const struct {
        const char* name;
        int type; // in the Import dialog, 1-based
        std::string bytes;
        std::vector<Account> accounts;
        const char* status;
        const char* title;
    } rows[] = {
        {"KeePassXC in any script, told by its header line",
         1,
         kKeePassXCHeader +
             "\"Root/Mail\",\"Яндекс Почта\",\"ivan\",\"пароль\",\"https://mail.yandex.ru\","
             "\"\",\"\",\"0\",\"\",\"\"\n"
             "\"Root\",\"支付宝 Alipay\",\"李小龙\",\"密码\",\"\",\"\",\"\",\"0\",\"\",\"\"\n"
             "\"Root\",\"\",\"\",\"\",\"\",\"\",\"\",\"0\",\"\",\"\"\n"
             "\"Root/Games\",\"🎮 Steam\",\"gamer\",\"päss\",\"\",\"\",\"\",\"0\",\"\",\"\"\n",
         {{"Яндекс Почта", "ivan", "пароль", "https://mail.yandex.ru", "Group: Root/Mail"},
          {"支付宝 Alipay", "李小龙", "密码", "", "Group: Root"},
          {"🎮 Steam", "gamer", "päss", "", "Group: Root/Games"}},
         "Imported 3 accounts from a KeePassXC export; skipped 1 row: 1 empty.",
         "3 accounts imported, not yet saved"},
        {"Chrome under All Files, a column it does not have",
         7,
         "name,url,username,password,extra\nMail,https://m.example,me,pw,x\n",
         {{"Mail", "me", "pw", "https://m.example", ""}},
         "Imported 1 account from a Chrome export. Not imported, as a Chrome export has no "
         "such column: \"extra\".",
         "1 account imported, not yet saved"},
        {"Lockerbook's own export in Windows-1252",
         6,
         "Caf\xE9,u,p,,\"two\r\nlines\"\r\n",
         {{"Café", "u", "p", "", "two\r\nlines"}},
         "Imported 1 account from Lockerbook's own export.",
         "1 account imported, not yet saved"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        haveOpenFile(QStringLiteral("/nowhere/previous.lockbk"), "previous");
        w.currentFile().FileSaved = true;
        ASSERT_TRUE(import(row.bytes, row.type)) << user.lastMessageText().toStdString();
        EXPECT_EQ(w.table().accounts(), row.accounts);
        EXPECT_EQ(w.shownRow, 0);
        EXPECT_EQ(w.statusText, QString::fromUtf8(row.status));
        EXPECT_EQ(w.titleNote, QString::fromUtf8(row.title));
        const CurrentFile& file = w.currentFile();
        EXPECT_TRUE(file.CurrentFileName.isEmpty());
        EXPECT_TRUE(file.CurrentPassword.empty());
        EXPECT_EQ(file.kind, FileKind::Sealed);
        EXPECT_FALSE(file.FileSaved);
        expectIdle();
    }
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(ImportFlow, ARefusalChangesNothingAndTheFirstSaveOffersToTrashTheExport) {
    std::string badRows = "name,url,username,password\n";
    for (int i = 0; i < 23; ++i) {
        badRows += "A,u,\xFF,p\n";
    }
    const struct {
        const char* name;
        int type;
        std::string bytes;
        QString text; // how the one message begins
    } refusals[] = {
        {"rows that cannot be stored", 1, badRows,
         QStringLiteral("Nothing was imported; these rows cannot be stored as they stand:\n"
                        "  line 2, \"username\": is not valid UTF-8\n")},
        {"a file that is not what was chosen", 5, "",
         QStringLiteral("The file cannot be read as a KeePassXC export: the file is empty")},
        {"no known header line", 1, "Title,User,Password\r\n",
         QStringLiteral("Nothing was imported; these rows cannot be stored as they stand:\n"
                        "  line 1: 3 values where a Lockerbook export has five")},
    };
    for (const auto& row : refusals) {
        SCOPED_TRACE(row.name);
        user.messages.clear();
        user.busyAtMessage.clear();
        EXPECT_FALSE(import(row.bytes, row.type));
        expectOneFailure(row.text);
        EXPECT_EQ(user.messages[0].icon, QMessageBox::Warning);
        EXPECT_EQ(w.table().accounts(), sampleAccounts());
        EXPECT_EQ(w.currentFile().CurrentFileName, QStringLiteral("/nowhere/previous.lockbk"));
        EXPECT_TRUE(w.titleNote.isEmpty());
        expectIdle();
    }
    EXPECT_TRUE(user.messages[0].text.endsWith(QStringLiteral(
        "\nThe file has none of the known header lines, so it was read as Lockerbook's own "
        "export.")));
    user.messages.clear();
    import(badRows);
    EXPECT_EQ(user.lastMessageText().count(QStringLiteral("line ")), 20);
    EXPECT_TRUE(user.lastMessageText().endsWith(QStringLiteral("\n  and 3 more.")));

    const std::string home = folder / "home";
    const HomeOfItsOwn trashHere(home);
    const std::string exported = kKeePassXCHeader + "\"Root\",\"Mail\",\"me\",\"pw\",\"\",\"\","
                                                    "\"\",\"0\",\"\",\"\"\n";
    ASSERT_TRUE(import(exported));
    const QString saved = path("accounts.lockbk");
    user.willChooseFile(saved);
    user.willTypePassword(QStringLiteral("secret"));
    user.willAnswer(QMessageBox::Yes); // Move to Trash
    user.messages.clear();
    ASSERT_TRUE(SaveFileAs(w));
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text,
              QStringLiteral("The accounts imported from '%1' are now saved in '%2'. The export "
                             "file still holds every password in clear: delete it, and empty the "
                             "trash.")
                  .arg(exportPath, saved));
    EXPECT_EQ(readBytes(home + "/share/Trash/files/export.csv"), exported);
    EXPECT_FALSE(std::filesystem::exists(exportPath.toStdString()));
    EXPECT_TRUE(w.titleNote.isEmpty());
    ASSERT_TRUE(SaveFile(w));
    EXPECT_EQ(user.messages.size(), 1u) << "reminded once";

    // An export gone before the list is saved cannot go to the trash: said so.
    ASSERT_TRUE(import(exported));
    std::filesystem::remove(exportPath.toStdString());
    user.willChooseFile(saved);
    user.willTypePassword(QStringLiteral("secret"));
    user.willAnswer(QMessageBox::Yes);
    ASSERT_TRUE(SaveFileAs(w));
    EXPECT_EQ(user.messages.size(), 3u);
    EXPECT_TRUE(user.lastMessageText().contains(QStringLiteral("could not be moved to the trash")));
}

} // namespace
} // namespace lb::test
