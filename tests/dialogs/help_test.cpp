// The help file beside the program and the Go button's hand-over to the shell.

#include "about/help.h"
#include "fake_user.h"
#include "shell/texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QWidget>
#include <gtest/gtest.h>

namespace lb {
namespace {

TEST(HelpFilePath, JoinsWithExactlyOneSeparator) {
    EXPECT_EQ(helpFilePath(QStringLiteral("/opt/lockerbook")),
              QStringLiteral("/opt/lockerbook/Lockerbook.chm"));
    EXPECT_EQ(helpFilePath(QStringLiteral("/opt/lockerbook/")),
              QStringLiteral("/opt/lockerbook/Lockerbook.chm"));
    EXPECT_EQ(helpFilePath(QStringLiteral("/")), QStringLiteral("/Lockerbook.chm"));
}

// One test, in sequence, because it puts the file beside the test program,
// where a test running alongside would see it.
TEST(HelpFile, OpensOnlyWhenTheFileLiesBesideTheProgram) {
    test::FakeUser user;
    QWidget main;
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/Lockerbook.chm");
    ASSERT_FALSE(QFile::exists(path)) << "left over from an earlier run";

    OpenHelpFile(&main);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, texts::kAppName);
    EXPECT_EQ(user.messages[0].text,
              QStringLiteral(
                  "The file Lockerbook.chm could not be found in the Lockerbook program folder."));
    EXPECT_EQ(user.messages[0].icon, QMessageBox::Information);
    EXPECT_EQ(user.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_TRUE(user.shellOpened.empty());

    // A folder of that name is no help file.
    ASSERT_TRUE(QDir().mkdir(path));
    OpenHelpFile(&main);
    QDir().rmdir(path);
    EXPECT_EQ(user.messages.size(), 2u);
    EXPECT_TRUE(user.shellOpened.empty());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    OpenHelpFile(&main);
    QFile::remove(path);
    EXPECT_EQ(user.messages.size(), 2u) << "no message when the file is there";
    ASSERT_EQ(user.shellOpened.size(), 1u);
    EXPECT_EQ(user.shellOpened[0], path);
}

TEST(GoToUrl, HandsTheTextOverUnchangedEmptyIncluded) {
    test::FakeUser user;

    GoToUrl(QString());
    GoToUrl(QStringLiteral(" www.example.com/a b "));

    ASSERT_EQ(user.shellOpened.size(), 2u);
    EXPECT_EQ(user.shellOpened[0], QString());
    EXPECT_EQ(user.shellOpened[1], QStringLiteral(" www.example.com/a b "));
    EXPECT_TRUE(user.messages.empty());
}

} // namespace
} // namespace lb
