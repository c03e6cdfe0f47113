// The program's beginning and end in the real main window: which file the
// person sees first, the password typed into the real dialog, the save
// question at the end, and what is stored and cleared on the way out.

#include "../mainwindow/main_window_fixture.h"
#include "account_files.h"
#include "app/startup.h"
#include "dialogs/password_prompt.h"
#include "disk.h"
#include "platform/settings.h"
#include "platform/twips.h"

#include <QClipboard>
#include <QScreen>
#include <QSignalSpy>

namespace lb::test {
namespace {

using settings::GetSetting;
using settings::SaveSetting;

class App : public MainWindowTest {
protected:
    QString file(const char* name, const std::string& bytes) {
        const std::string path = folder / name;
        writeBytes(path, bytes);
        return QString::fromStdString(path);
    }
    bool closeWindow() {
        QSignalSpy ended(window.get(), &FrmMain::unloaded);
        window->close();
        return ended.count() == 1;
    }
    // The next password question is answered in the real dialog, key by key.
    void typeIntoThePasswordDialog(const QString& password) {
        ui::setPasswordHook({});
        QTimer::singleShot(0, window.get(), [=] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->objectName(), QStringLiteral("frmPassword"));
            auto* box = control<QLineEdit>(dialog, "txtPassword");
            QTest::keyClicks(box, password);
            QTest::keyClick(box, Qt::Key_Return);
        });
    }
    TempFolder folder;
};

TEST(CommandLine, IsOneTrimmedPathWithoutAnyDoubleQuote) {
    EXPECT_EQ(commandLinePath({"lockerbook"}), "");
    EXPECT_EQ(commandLinePath({"lockerbook", "  \"/home/a/my file.lockbk\"  "}),
              "/home/a/my file.lockbk");
    EXPECT_EQ(commandLinePath({"lockerbook", "/tmp/two", "words.lockbk"}), "/tmp/two words.lockbk");
    EXPECT_EQ(commandLinePath({"lockerbook", "/tmp/a\"b\".lockbk"}), "/tmp/ab.lockbk");
}

TEST_F(App, StartUpChoosesTheCommandLineFileThenTheDefaultFileThenANewOne) {
    const QString good = file("good.lockbk", classicFile(sampleAccounts(), "pw"));
    const QString bad = file("bad.lockbk", "not an account file at all");
    const struct {
        const char* name;
        QString commandLine;
        QString defaultFile;
        const char* password; // nullptr: no question expected
        bool started;
        int accounts;
        bool newFile; // the detail pane disabled, as NewFile leaves it
    } rows[] = {
        {"a command-line file", good, bad, "pw", true, 3, false},
        {"a missing command-line file ignores the default", QStringLiteral("/no/such.lockbk"), good,
         nullptr, true, 0, false},
        {"a command-line file that cannot be opened ends the program", bad, good, "pw", false, 0,
         false},
        {"no default file", QString(), QString(), nullptr, true, 0, true},
        {"a default file", QString(), good, "pw", true, 3, false},
        {"a default file that cannot be opened", QString(), bad, "pw", true, 0, true},
        {"a missing default file", QString(), QStringLiteral("/no/such.lockbk"), nullptr, true, 0,
         false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        resetSettings();
        SaveSetting(settings::kOptions, settings::kDefaultFile, row.defaultFile);
        window.reset();
        user.reset(); // before the next one installs its answers
        user = std::make_unique<FakeUser>();
        window = std::make_unique<FrmMain>();
        if (row.password != nullptr) {
            user->willTypePassword(QLatin1String(row.password));
        }
        EXPECT_EQ(startUp(*window, row.commandLine), row.started);
        EXPECT_EQ(user->passwordPrompts.size(), row.password != nullptr ? 1u : 0u);
        EXPECT_EQ(window->table().size(), row.accounts);
        EXPECT_EQ(box("txtViewAccountName")->isEnabled(), !row.newFile);
        EXPECT_EQ(GetSetting(settings::kWindow, QStringLiteral("Top"), QStringLiteral("none")),
                  QStringLiteral("none"));
    }
}

TEST_F(App, StartsInMiniModeOnlyForExactlyYes) {
    SaveSetting(settings::kOptions, settings::kStartInMiniMode, QStringLiteral("yes"));
    startUp(*window, QString());
    EXPECT_FALSE(window->inMiniMode());
    FrmMain second;
    SaveSetting(settings::kOptions, settings::kStartInMiniMode, QStringLiteral("Yes"));
    startUp(second, QString());
    EXPECT_TRUE(second.inMiniMode());
}

TEST_F(App, OpenAndSaveThroughTheRealPasswordDialogAndAWrongPasswordKeepsWhatWasOpen) {
    showWindow(900, 500);
    const QString mine =
        file("mine.lockbk", classicFile(sampleAccounts(), "typed at the keyboard"));
    user->willChooseFile(mine);
    typeIntoThePasswordDialog(QStringLiteral("typed at the keyboard"));
    press("Ctrl+O");
    EXPECT_TRUE(user->messages.empty());
    EXPECT_EQ(window->table().accounts(), sampleAccounts());
    EXPECT_EQ(box("txtViewAccountName")->text(), QStringLiteral("Bank"));
    EXPECT_EQ(window->statusText(),
              QStringLiteral("Read (%1 bytes)").arg(readBytes(mine.toStdString()).size()));
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    user->willChooseFile(file("other.lockbk", classicFile({{"Other", "", "", "", ""}}, "right")));
    typeIntoThePasswordDialog(QStringLiteral("Right"));
    QTest::mouseClick(toolButton(commands().mnuFileOpen), Qt::LeftButton);
    ASSERT_EQ(user->messages.size(), 1u);
    EXPECT_EQ(user->messages[0].text, QStringLiteral("Wrong password."));
    EXPECT_TRUE(user->busyAtMessage[0]);
    EXPECT_EQ(window->table().accounts(), sampleAccounts());
    EXPECT_EQ(window->currentFile().CurrentFileName, mine);

    addAccounts(1);
    QTest::mouseClick(toolButton(commands().mnuFileSave), Qt::LeftButton);
    EXPECT_TRUE(window->currentFile().FileSaved);
    EXPECT_EQ(user->fileDialogs.size(), 2u) << "a named file is saved without a dialog";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "nor a password question";
    EXPECT_EQ(window->statusText(),
              QStringLiteral("Saved (%1 bytes)").arg(readBytes(mine.toStdString()).size()));
}

TEST_F(App, ClosingAsksAboutUnsavedChangesAndOnlyCancelKeepsTheWindowOpen) {
    showWindow(800, 500);
    addAccounts(1);
    user->willAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(closeWindow());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(GetSetting(settings::kWindow, QStringLiteral("Width"), QStringLiteral("none")),
              QStringLiteral("none"));
    EXPECT_EQ(user->messages[0].icon, QMessageBox::Question);
    EXPECT_EQ(user->messages[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

    SaveSetting(settings::kOptions, settings::kAutoSave, QStringLiteral("Yes"));
    user->willCancelFileDialog();
    EXPECT_FALSE(closeWindow()) << "automatic saving asks for a path and may be cancelled";
    EXPECT_EQ(user->messages.size(), 1u);
    EXPECT_EQ(user->fileDialogs.size(), 1u);

    SaveSetting(settings::kOptions, settings::kAutoSave, QStringLiteral("No"));
    user->willAnswer(QMessageBox::No);
    EXPECT_TRUE(closeWindow());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(GetSetting(settings::kWindow, QStringLiteral("Width"), QString()),
              settings::numberText(800 * twipsPerPixel(window.get())));
    EXPECT_EQ(GetSetting(settings::kWindow, QStringLiteral("SplitPercentage"), QString()),
              QStringLiteral("33"));
}

TEST_F(App, AMaximizedWindowStoresTheGeometryItHadBefore) {
    window->move(100, 80);
    showWindow(720, 480);
    const QPoint normal = window->pos();
    window->showMaximized();
    QTest::qWait(50);
    ASSERT_NE(window->pos(), normal);
    EXPECT_TRUE(closeWindow());
    FrmMain next;
    EXPECT_EQ(next.size(), QSize(720, 480));
    // The window system may nudge a placed window by its frame.
    EXPECT_LE((next.pos() - normal).manhattanLength(), 4);
}

TEST_F(App, StrangeStoredNumbersStillGiveAUsableWindow) {
    const struct {
        const char* width;
        const char* height;
        const char* left;
        const char* split;
    } rows[] = {{"wide", "tall", "x", "half"}, {"1e300", "inf", "-9e15", "nan"}};
    for (const auto& row : rows) {
        SaveSetting(settings::kWindow, QStringLiteral("Width"), QLatin1String(row.width));
        SaveSetting(settings::kWindow, QStringLiteral("Height"), QLatin1String(row.height));
        SaveSetting(settings::kWindow, QStringLiteral("Left"), QLatin1String(row.left));
        SaveSetting(settings::kWindow, QStringLiteral("SplitPercentage"), QLatin1String(row.split));
        FrmMain next;
        EXPECT_LE(next.width(), next.screen()->virtualGeometry().width()) << row.width;
        EXPECT_GE(next.height(), 1);
        EXPECT_NE(QGuiApplication::screenAt(next.pos() + QPoint(20, 20)), nullptr);
        // A split that is not a number counts as 0, and the layout's limit applies.
        EXPECT_EQ(control<QWidget>(&next, "picSeperator")->x(), 150) << row.split;
    }
}

TEST_F(App, TheClipboardIsEmptiedAtExitWhenTheOptionIsAbsentOrExactlyYes) {
    for (const char* option : {"", "Yes", "yes"}) {
        window = std::make_unique<FrmMain>();
        if (*option != '\0') {
            SaveSetting(settings::kOptions, settings::kClearClipboardOnExit, QLatin1String(option));
        }
        showWindow();
        QGuiApplication::clipboard()->setText(QStringLiteral("secret"));
        EXPECT_TRUE(closeWindow());
        EXPECT_EQ(QGuiApplication::clipboard()->text(),
                  std::string_view(option) == "yes" ? QStringLiteral("secret") : QString())
            << option;
    }
}

} // namespace
} // namespace lb::test
