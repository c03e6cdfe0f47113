// Start-up's choice of the first file, the save question, and shut-down's
// stored geometry and clipboard.

#include "main_window_fixture.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "shell/twips.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace lb::test {
namespace {

using settings::GetSetting;
using settings::SaveSetting;

TEST(CommandLine, IsOneTrimmedPathWithoutAnyDoubleQuote) {
    EXPECT_EQ(commandLinePath({"lockerbook"}), "");
    EXPECT_EQ(commandLinePath({"lockerbook", "  \"/home/a/my file.lockbk\"  "}),
              "/home/a/my file.lockbk");
    EXPECT_EQ(commandLinePath({"lockerbook", "/tmp/two", "words.lockbk"}), "/tmp/two words.lockbk");
    EXPECT_EQ(commandLinePath({"lockerbook", "/tmp/a\"b\".lockbk"}), "/tmp/ab.lockbk");
}

class StartUpTest : public MainWindowTest {};

TEST_F(StartUpTest, AMissingCommandLineFileStartsEmptyWithoutTheDefaultFile) {
    SaveSetting(settings::kOptions, settings::kDefaultFile, "/nonexistent/default.lockbk");
    EXPECT_TRUE(StartUp(*window, "/nonexistent/named.lockbk"));
    EXPECT_EQ(window->table().size(), 0);
    EXPECT_TRUE(user->passwordPrompts.empty());
    // Nothing was set up: the pane keeps its designed, enabled state.
    EXPECT_TRUE(window->picView->txtViewAccountName->isEnabled());
}

TEST_F(StartUpTest, NoDefaultFileSetsUpANewFile) {
    EXPECT_TRUE(StartUp(*window, ""));
    EXPECT_FALSE(window->picView->txtViewAccountName->isEnabled());
    EXPECT_TRUE(window->currentFile().FileSaved);
}

TEST_F(StartUpTest, AMissingDefaultFileIsIgnored) {
    SaveSetting(settings::kOptions, settings::kDefaultFile, "/nonexistent/default.lockbk");
    EXPECT_TRUE(StartUp(*window, ""));
    EXPECT_TRUE(window->picView->txtViewAccountName->isEnabled());
    EXPECT_TRUE(user->passwordPrompts.empty());
}

TEST_F(StartUpTest, ACancelledPasswordForTheCommandLineFileEndsTheProgram) {
    QTemporaryDir dir;
    const QString path = dir.filePath("named.lockbk");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    user->willCancelPassword();
    EXPECT_FALSE(StartUp(*window, path));
    EXPECT_EQ(user->passwordPrompts.size(), 1u);
    EXPECT_TRUE(GetSetting(settings::kWindow, "Top", "none") == "none");
}

TEST_F(StartUpTest, AnUnreadableDefaultFileFallsBackToANewFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("default.lockbk");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not an account file at all");
    f.close();
    SaveSetting(settings::kOptions, settings::kDefaultFile, path);
    user->willTypePassword("pw");
    EXPECT_TRUE(StartUp(*window, ""));
    EXPECT_FALSE(user->messages.empty());
    EXPECT_FALSE(window->picView->txtViewAccountName->isEnabled());
    EXPECT_TRUE(window->currentFile().CurrentFileName.isEmpty());
}

TEST_F(StartUpTest, StartsInMiniModeOnlyForExactlyYes) {
    SaveSetting(settings::kOptions, settings::kStartInMiniMode, "yes");
    StartUp(*window, "");
    EXPECT_FALSE(window->InMiniMode);
    FrmMain second;
    SaveSetting(settings::kOptions, settings::kStartInMiniMode, "Yes");
    StartUp(second, "");
    EXPECT_TRUE(second.InMiniMode);
}

class ShutDown : public MainWindowTest {
protected:
    bool closeWindow() {
        QSignalSpy ended(window.get(), &FrmMain::unloaded);
        window->close();
        return ended.count() == 1;
    }
};

TEST_F(ShutDown, UnsavedChangesAskAndCancelKeepsTheWindowOpen) {
    showWindow();
    addAccounts(1);
    user->willAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(closeWindow());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(GetSetting(settings::kWindow, "Width", "none"), "none");
    ASSERT_EQ(user->messages.size(), 1u);
    EXPECT_EQ(user->messages[0].title, "Lockerbook");
    EXPECT_EQ(user->messages[0].icon, QMessageBox::Question);
    EXPECT_EQ(user->messages[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

TEST_F(ShutDown, AnsweringNoStoresTheGeometryAndEnds) {
    showWindow(800, 500);
    addAccounts(1);
    user->willAnswer(QMessageBox::No);
    EXPECT_TRUE(closeWindow());
    const double tpp = twipsPerPixel(window.get());
    EXPECT_EQ(GetSetting(settings::kWindow, "Width", ""), settings::numberText(800 * tpp));
    EXPECT_EQ(GetSetting(settings::kWindow, "SplitPercentage", ""), "33");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ShutDown, AutoSaveSavesWithoutAskingAndACancelledDialogKeepsTheWindow) {
    showWindow();
    addAccounts(1);
    SaveSetting(settings::kOptions, settings::kAutoSave, "Yes");
    user->willCancelFileDialog();
    EXPECT_FALSE(closeWindow());
    EXPECT_TRUE(user->messages.empty());
    EXPECT_EQ(user->fileDialogs.size(), 1u);
    EXPECT_EQ(user->fileDialogs[0].title, "Save");
}

TEST_F(ShutDown, AMaximizedWindowStoresItsNormalGeometry) {
    showWindow(700, 450);
    const double normalWidth = window->NormalWidth;
    window->showMaximized();
    QTest::qWait(50);
    window->Form_Resize();
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(GetSetting(settings::kWindow, "Width", ""), settings::numberText(normalWidth));
}

TEST_F(ShutDown, TheStoredGeometryComesBackAtTheNextStart) {
    showWindow(720, 480);
    window->SplitPercentage = 41.25;
    window->Form_Resize();
    const double split = window->SplitPercentage;
    EXPECT_TRUE(closeWindow());
    FrmMain next;
    EXPECT_EQ(next.size(), QSize(720, 480));
    EXPECT_DOUBLE_EQ(next.SplitPercentage, split);
}

TEST_F(ShutDown, AStrangeStoredSizeIsIgnored) {
    SaveSetting(settings::kWindow, "Width", "wide");
    SaveSetting(settings::kWindow, "SplitPercentage", "half");
    FrmMain next;
    EXPECT_EQ(next.width(), qRound(twipsToPixels(&next, FrmMain::kDesignedClientWidthTwips)));
    // A split that is not a number counts as 0 and the layout's limit applies.
    EXPECT_EQ(next.picSeperator->x(), 150);
    EXPECT_NEAR(next.SplitPercentage, 150.0 / next.client->width() * 100.0, 1e-10);
}

TEST_F(ShutDown, HugeOrNonFiniteStoredNumbersStillGiveAUsableWindow) {
    SaveSetting(settings::kWindow, "Width", "1e300");
    SaveSetting(settings::kWindow, "Height", "inf");
    SaveSetting(settings::kWindow, "Left", "-9e15");
    SaveSetting(settings::kWindow, "SplitPercentage", "nan");
    FrmMain next;
    const QRect desktop = next.screen()->virtualGeometry();
    EXPECT_LE(next.width(), desktop.width());
    EXPECT_GE(next.height(), 1);
    EXPECT_NE(QGuiApplication::screenAt(next.pos() + QPoint(20, 20)), nullptr);
    EXPECT_EQ(next.picSeperator->x(), 150);
}

TEST_F(ShutDown, TheClipboardIsEmptiedUnlessTheOptionIsExactlyYes) {
    showWindow();
    QGuiApplication::clipboard()->setText("secret");
    EXPECT_TRUE(closeWindow());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());

    SaveSetting(settings::kOptions, settings::kClearClipboardOnExit, "yes");
    window = std::make_unique<FrmMain>();
    showWindow();
    QGuiApplication::clipboard()->setText("kept");
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
}

} // namespace
} // namespace lb::test
