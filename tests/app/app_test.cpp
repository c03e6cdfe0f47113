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

#include <QDir>
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
    // A new run: its own window and person.
    void restart() {
        window.reset();
        user.reset(); // before the next one installs its answers
        user = std::make_unique<FakeUser>();
        window = std::make_unique<FrmMain>();
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
            auto* box = control<QLineEdit>(dialog, "txtPassword");
            QTest::keyClicks(box, password);
            QTest::keyClick(box, Qt::Key_Return);
        });
    }
    TempFolder folder;
};

TEST_F(App, TheCommandLinesNameOpensAsGivenElseAsOneQuotedStringElseTheStatusBarSaysItIsMissing) {
    // Names relative to the folder the program was started in, as a shell passes them.
    const QString startedIn = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(folder.path()));
    const struct {
        QStringList arguments;
        const char* file;  // 3 accounts under this name, if any
        const char* decoy; // 1 account under the name without quotes or outer spaces
        int accounts;
    } rows[] = {
        {{"x\"y.lockbk"}, "x\"y.lockbk", "xy.lockbk", 3},
        {{" sp.lockbk"}, " sp.lockbk", "sp.lockbk", 3},
        {{"my \"work\" file.lockbk"}, "my \"work\" file.lockbk", "my work file.lockbk", 3},
        {{"two", "words.lockbk"}, "two words.lockbk", nullptr, 3},
        {{"\"quoted.lockbk\" "}, nullptr, "quoted.lockbk", 1}, // one string, as Windows passes it
        {{"gone.lockbk"}, nullptr, nullptr, 0},
    };
    for (const auto& row : rows) {
        const QString given = row.arguments.join(QLatin1Char(' '));
        SCOPED_TRACE(given.toStdString());
        if (row.file != nullptr) {
            writeBytes(folder / row.file, classicFile(sampleAccounts(), "pw"));
        }
        if (row.decoy != nullptr) {
            writeBytes(folder / row.decoy, classicFile({sampleAccounts().front()}, "pw"));
        }
        restart();
        user->willTypePassword(QStringLiteral("pw"));
        EXPECT_TRUE(startUp(*window, commandLinePath(QStringList{"lockerbook"} + row.arguments)));
        EXPECT_EQ(window->table().size(), row.accounts);
        EXPECT_EQ(window->statusText() ==
                      QStringLiteral("The file '%1' does not exist.").arg(given),
                  row.accounts == 0);
    }
    QDir::setCurrent(startedIn);
}

TEST_F(App, StartUpChoosesTheCommandLineFileThenTheDefaultFileThenANewOneAndMiniModeOnExactlyYes) {
    const QString good = file("good.lockbk", classicFile(sampleAccounts(), "pw"));
    const QString bad = file("bad.lockbk", "not an account file at all");
    const QString missing = QStringLiteral("/no/such.lockbk");
    const struct {
        QString commandLine, defaultFile;
        bool asked, started;
        int accounts;
        bool newFile; // the detail pane disabled, as NewFile leaves it
        const char* miniMode;
    } rows[] = {
        {good, bad, true, true, 3, false, "Yes"},      // a command-line file
        {missing, good, false, true, 0, false, "yes"}, // missing: the default is not tried
        {bad, good, true, false, 0, false, "Yes"},     // unreadable: the program ends
        {{}, {}, false, true, 0, true, ""},            // no default file
        {{}, good, true, true, 3, false, "YES"},       // a default file
        {{}, bad, true, true, 0, true, "Yes"},         // an unreadable default file
        {{}, missing, false, true, 0, false, "No"},    // a missing default file
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        SaveSetting(settings::kOptions, settings::kDefaultFile, row.defaultFile);
        SaveSetting(settings::kOptions, settings::kStartInMiniMode, QLatin1String(row.miniMode));
        restart();
        user->willTypePassword(QStringLiteral("pw"));
        EXPECT_EQ(startUp(*window, row.commandLine), row.started);
        EXPECT_EQ(user->passwordPrompts.size(), row.asked ? 1u : 0u);
        EXPECT_EQ(window->table().size(), row.accounts);
        EXPECT_EQ(box("txtViewAccountName")->isEnabled(), !row.newFile);
        EXPECT_EQ(window->inMiniMode(), row.started && row.miniMode == std::string_view("Yes"));
    }
}

TEST_F(App, OpenThroughTheRealPasswordDialogAndSaveTheNamedFileWithoutAQuestion) {
    showWindow(900, 500);
    const QString mine = file("mine.lockbk", classicFile(sampleAccounts(), "typed here"));
    user->willChooseFile(mine);
    typeIntoThePasswordDialog(QStringLiteral("typed here"));
    press("Ctrl+O");
    EXPECT_EQ(box("txtViewAccountName")->text(), QStringLiteral("Bank"));
    EXPECT_EQ(window->statusText(),
              QStringLiteral("Read (%1 bytes)").arg(readBytes(mine.toStdString()).size()));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    addAccounts(1);
    QTest::mouseClick(toolButton(commands().mnuFileSave), Qt::LeftButton);
    EXPECT_EQ(user->fileDialogs.size(), 1u) << "a named file is saved without a dialog";
    EXPECT_EQ(window->statusText(),
              QStringLiteral("Saved (%1 bytes)").arg(readBytes(mine.toStdString()).size()));
}

TEST_F(App, ClosingAsksAboutUnsavedChangesAndOnlyCancelKeepsTheWindow) {
    showWindow(800, 500);
    addAccounts(1);
    user->willAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(closeWindow());
    SaveSetting(settings::kOptions, settings::kAutoSave, QStringLiteral("Yes"));
    user->willCancelFileDialog();
    EXPECT_FALSE(closeWindow()) << "automatic saving asks for a path and may be cancelled";
    EXPECT_EQ(user->messages.size(), 1u);
    SaveSetting(settings::kOptions, settings::kAutoSave, QStringLiteral("No"));
    user->willAnswer(QMessageBox::No);
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(GetSetting(settings::kWindow, QStringLiteral("Width"), QString()),
              settings::numberText(800 * twipsPerPixel(window.get())));
    EXPECT_EQ(GetSetting(settings::kWindow, QStringLiteral("SplitPercentage"), QString()),
              QStringLiteral("33"));
}

TEST_F(App, StrangeOrTooSmallStoredNumbersStillGiveAUsableWindow) {
    const QSize designed = window->size(); // a new user's
    const double tpp = twipsPerPixel(window.get());
    const struct {
        QSize stored; // in pixels
        bool kept;
    } rows[] = {
        {{0, 400}, false},   {{-100, 400}, false}, {{500, -2}, false}, {{1, 19}, false},
        {{159, 400}, false}, {{500, 119}, false},  {{160, 120}, true}, {{500, 400}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.stored.width() << " x " << row.stored.height());
        SaveSetting(settings::kWindow, QStringLiteral("Width"),
                    settings::numberText(row.stored.width() * tpp));
        SaveSetting(settings::kWindow, QStringLiteral("Height"),
                    settings::numberText(row.stored.height() * tpp));
        EXPECT_EQ(FrmMain().size(), row.kept ? row.stored : designed);
    }
    SaveSetting(settings::kWindow, QStringLiteral("Width"), QStringLiteral("1e300"));
    SaveSetting(settings::kWindow, QStringLiteral("Height"), QStringLiteral("tall"));
    SaveSetting(settings::kWindow, QStringLiteral("Left"), QStringLiteral("-9e15"));
    SaveSetting(settings::kWindow, QStringLiteral("SplitPercentage"), QStringLiteral("nan"));
    FrmMain next;
    EXPECT_LE(next.width(), next.screen()->virtualGeometry().width());
    EXPECT_EQ(next.height(), designed.height());
    EXPECT_NE(QGuiApplication::screenAt(next.pos() + QPoint(20, 20)), nullptr);
    // A split that is not a number counts as 0, and the layout's limit applies.
    EXPECT_EQ(control<QWidget>(&next, "picSeperator")->x(), 150);
}

} // namespace
} // namespace lb::test
