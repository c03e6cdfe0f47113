// File > Export as a person uses it: the dialog's question, the chosen type,
// the bytes and permissions on disk, and the one message of a failure.

#include "fake_user.h"
#include "output/export_accounts.h"
#include "store/safe_file.h"
#include "test_window.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using lb::test::FakeUser;
using lb::test::TestWindow;

const std::vector<lb::Account> kAccounts = {
    {"Bank", "jsmith", "s3cret", "http://bank.example", "PIN at home"},
    {"Mail", "john", "hunter2", "", "a, b"},
};

const std::string kCommaSeparated = "Bank,jsmith,s3cret,http://bank.example,PIN at home\r\n"
                                    "Mail,john,hunter2,,\"a, b\"\r\n";

std::string fileBytes(const QString& path) {
    std::string bytes;
    EXPECT_FALSE(lb::readWholeFile(path, bytes)) << path.toStdString();
    return bytes;
}

class ExportAccounts : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    FakeUser user_;
    TestWindow window_{kAccounts};
};

TEST_F(ExportAccounts, AsksWhereWithTheFiveFileTypes) {
    user_.willCancelFileDialog();
    lb::ExportAccounts(window_);
    ASSERT_EQ(user_.fileDialogs.size(), 1u);
    const lb::ui::FileDialogRequest& asked = user_.fileDialogs[0];
    EXPECT_EQ(asked.kind, lb::ui::FileDialogRequest::Kind::Save);
    EXPECT_EQ(asked.title, "Export");
    EXPECT_EQ(asked.filter, "HTML (*.html)|*.html|Formatted Text (*.txt)|*.txt|"
                            "Tab Seperated Text (*.txt)|*.txt|"
                            "Comma Seperated Text (*.txt)|*.txt|CSV File (*.csv)|*.csv");
    EXPECT_TRUE(asked.defaultSuffix.isEmpty());
}

TEST_F(ExportAccounts, CancellingWritesNothingAndSaysNothing) {
    user_.willCancelFileDialog();
    lb::ExportAccounts(window_);
    EXPECT_TRUE(user_.messages.empty());
    EXPECT_TRUE(QDir(dir_.path()).isEmpty());
}

TEST_F(ExportAccounts, TheChosenTypeSelectsTheFormatAndTheNameIsKeptAsGiven) {
    user_.willChooseFile(path("accounts"), 5);
    lb::ExportAccounts(window_);
    EXPECT_TRUE(user_.messages.empty());
    EXPECT_EQ(fileBytes(path("accounts")), kCommaSeparated);
    EXPECT_TRUE(window_.statusTexts.empty());
}

TEST_F(ExportAccounts, EachTypeNumberGivesItsOwnFormat) {
    const QStringList names = {"1.html", "2.txt", "3.txt", "4.txt", "5.csv"};
    for (int type = 1; type <= 5; ++type) {
        user_.willChooseFile(path(names[type - 1]), type);
        lb::ExportAccounts(window_);
    }
    EXPECT_TRUE(fileBytes(path("1.html")).starts_with("<HTML>\r\n"));
    EXPECT_TRUE(fileBytes(path("2.txt")).starts_with("Account Name  User Name  "));
    EXPECT_TRUE(fileBytes(path("3.txt")).starts_with("Bank\tjsmith\t"));
    EXPECT_TRUE(fileBytes(path("4.txt")).starts_with("Bank,jsmith,"));
    EXPECT_EQ(fileBytes(path("4.txt")), fileBytes(path("5.csv")));
}

TEST_F(ExportAccounts, WritesRealPasswordsWhileTheListMasksThem) {
    TestWindow masked(kAccounts, true);
    user_.willChooseFile(path("masked.txt"), 3);
    lb::ExportAccounts(masked);
    const std::string bytes = fileBytes(path("masked.txt"));
    EXPECT_NE(bytes.find("\ts3cret\t"), std::string::npos);
    EXPECT_NE(bytes.find("\thunter2\t"), std::string::npos);
    EXPECT_EQ(bytes.find('*'), std::string::npos);
}

TEST_F(ExportAccounts, ChangesNeitherTheTableNorTheSavedState) {
    window_.currentFile().FileSaved = false;
    user_.willChooseFile(path("x.html"), 1);
    lb::ExportAccounts(window_);
    EXPECT_EQ(window_.table().accounts(), kAccounts);
    EXPECT_FALSE(window_.currentFile().FileSaved);
}

TEST_F(ExportAccounts, ANewFileIsReadableByItsOwnerOnly) {
    user_.willChooseFile(path("secret.csv"), 5);
    lb::ExportAccounts(window_);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path("secret.csv")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(ExportAccounts, ReplacesAnEarlierFileWhole) {
    QFile old(path("list.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(std::string(10000, 'x').c_str());
    old.close();
    user_.willChooseFile(path("list.txt"), 4);
    lb::ExportAccounts(window_);
    EXPECT_EQ(fileBytes(path("list.txt")), kCommaSeparated);
}

TEST_F(ExportAccounts, AFolderThatIsNotThereShowsOneErrorMessage) {
    user_.willChooseFile(path("missing/out.html"), 1);
    lb::ExportAccounts(window_);
    ASSERT_EQ(user_.messages.size(), 1u);
    EXPECT_EQ(user_.messages[0].title, "Error");
    EXPECT_EQ(user_.messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(user_.messages[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(user_.messages[0].text, "There was an unexpected error (number 2, No such file or "
                                      "directory) while exporting.");
}

TEST_F(ExportAccounts, AFullDiskLeavesTheEarlierFileAsItWas) {
    user_.willChooseFile(path("kept.csv"), 5);
    lb::ExportAccounts(window_);
    const std::string before = fileBytes(path("kept.csv"));
    lb::setWriteFaultHook([](std::size_t) { return ENOSPC; });
    user_.willChooseFile(path("kept.csv"), 1);
    lb::ExportAccounts(window_);
    lb::setWriteFaultHook({});
    ASSERT_EQ(user_.messages.size(), 1u);
    EXPECT_EQ(user_.messages[0].text, "There was an unexpected error (number 28, No space left on "
                                      "device) while exporting.");
    EXPECT_EQ(fileBytes(path("kept.csv")), before);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"kept.csv"});
}

} // namespace
