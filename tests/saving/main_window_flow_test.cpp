// Saving and opening from the real main window's menus and toolbar, with the
// real password dialog typed into where a person would type.

#include "fake_user.h"
#include "mainwindow/frm_main.h"
#include "message_witness.h"
#include "shell/texts.h"
#include "store/frm_password.h"
#include "store/password_prompt.h"
#include "test_files.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace lb::test {
namespace {

class MainWindowFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetSettings();
        user = std::make_unique<FakeUser>();
        window = std::make_unique<FrmMain>();
        witness = std::make_unique<MessageWitness>(*user, [this] { return window->isBusy(); });
        window->resize(900, 500);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        window->currentFile().FileSaved = true;
        witness.reset();
        window.reset();
        user.reset();
    }

    void run(const char* menuEntry) {
        window->menuEntry(QString::fromLatin1(menuEntry))->trigger();
    }
    void click(const char* toolbarKey) {
        window->toolbarButton(QString::fromLatin1(toolbarKey))->trigger();
    }

    // The next password question is answered in the real dialog, key by key.
    void typeIntoPasswordDialog(const QString& password, bool* mainWindowBlocked) {
        ui::setPasswordHook({});
        QTimer::singleShot(0, window.get(), [=, this] {
            auto* dialog = qobject_cast<FrmPassword*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            *mainWindowBlocked =
                dialog->parentWidget() == window.get() && dialog->windowModality() != Qt::NonModal;
            QTest::keyClicks(dialog->txtPassword, password);
            QTest::keyClick(dialog->txtPassword, Qt::Key_Return);
        });
    }

    void expectUsable() const {
        EXPECT_TRUE(window->isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    QString shownName() const { return window->picView->txtViewAccountName->text(); }

    QTemporaryDir dir;
    std::unique_ptr<FakeUser> user;
    std::unique_ptr<FrmMain> window;
    std::unique_ptr<MessageWitness> witness;
};

TEST_F(MainWindowFlowTest, OpenFromTheMenuTypingThePasswordIntoTheDialog) {
    const QString file = dir.filePath(QStringLiteral("mine.lockbk"));
    writeBytes(file, currentFormatFile(sampleAccounts(), "typed at the keyboard"));
    user->willChooseFile(file);
    bool blocked = false;
    typeIntoPasswordDialog(QStringLiteral("typed at the keyboard"), &blocked);

    run("mnuFileOpen");

    EXPECT_TRUE(blocked);
    EXPECT_TRUE(user->messages.empty());
    EXPECT_EQ(window->table().accounts(), sampleAccounts());
    EXPECT_EQ(shownName(), QStringLiteral("Bank"));
    EXPECT_EQ(window->statusText(), QStringLiteral("Read (%1 bytes)").arg(QFileInfo(file).size()));
    expectUsable();
    EXPECT_TRUE(window->currentFile().FileSaved);
}

TEST_F(MainWindowFlowTest, AWrongPasswordFromTheToolbarKeepsWhatWasOpen) {
    const QString file = dir.filePath(QStringLiteral("other.lockbk"));
    writeBytes(file, currentFormatFile({{"Other", "", "", "", ""}}, "right"));
    window->table().replaceAll(sampleAccounts());
    window->lstAccounts_ItemClick(2);
    window->currentFile().CurrentFileName = QStringLiteral("/somewhere/mine.lockbk");
    window->currentFile().CurrentPassword = "mine";
    user->willChooseFile(file);
    user->willTypePassword(QStringLiteral("Right"));

    click("open");

    ASSERT_EQ(user->messages.size(), 1u);
    EXPECT_EQ(user->messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(user->messages[0].text, QStringLiteral("Wrong password."));
    EXPECT_EQ(user->messages[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(witness->busyAtMessage[0]);
    EXPECT_EQ(window->table().accounts(), sampleAccounts());
    EXPECT_EQ(shownName(), QStringLiteral("Shop"));
    EXPECT_EQ(window->currentFile().CurrentFileName, QStringLiteral("/somewhere/mine.lockbk"));
    EXPECT_EQ(window->currentFile().CurrentPassword, "mine");
    EXPECT_TRUE(window->statusText().isEmpty());
    expectUsable();
}

TEST_F(MainWindowFlowTest, SaveFromTheToolbarThenFromTheMenuAsksOnlyTheFirstTime) {
    run("mnuAccountsAdd");
    run("mnuAccountsAdd");
    const QString file = dir.filePath(QStringLiteral("new.lockbk"));
    user->willChooseFile(file);
    user->willTypePassword(QStringLiteral("chosen"));

    click("save");
    EXPECT_TRUE(window->currentFile().FileSaved);
    EXPECT_EQ(window->statusText(), QStringLiteral("Saved (%1 bytes)").arg(QFileInfo(file).size()));

    run("mnuAccountsAdd");
    run("mnuFileSave");
    EXPECT_EQ(user->fileDialogs.size(), 1u);
    EXPECT_EQ(user->passwordPrompts, std::vector<bool>{true});
    EXPECT_TRUE(window->currentFile().FileSaved);
    EXPECT_TRUE(user->messages.empty());
    expectUsable();
}

TEST_F(MainWindowFlowTest, AnUnwritablePathKeepsThePasswordSoTheNextSaveAsksOnlyThePath) {
    run("mnuAccountsAdd");
    user->willChooseFile(dir.filePath(QStringLiteral("gone/new.lockbk")));
    user->willTypePassword(QStringLiteral("chosen"));

    run("mnuFileSave");

    ASSERT_EQ(user->messages.size(), 1u);
    EXPECT_EQ(user->messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(user->messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(user->messages[0].text,
              texts::unexpectedError(ENOENT, QString::fromUtf8(std::strerror(ENOENT)),
                                     QStringLiteral("saving the file")));
    EXPECT_TRUE(witness->busyAtMessage[0]);
    EXPECT_TRUE(folderEntries(dir.path()).empty());
    EXPECT_FALSE(window->currentFile().FileSaved);
    EXPECT_TRUE(window->currentFile().CurrentFileName.isEmpty());
    EXPECT_EQ(window->currentFile().CurrentPassword, "chosen");
    expectUsable();

    const QString file = dir.filePath(QStringLiteral("new.lockbk"));
    user->willChooseFile(file);
    run("mnuFileSave");
    EXPECT_EQ(user->fileDialogs.size(), 2u);
    EXPECT_EQ(user->passwordPrompts.size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_EQ(window->currentFile().CurrentFileName, file);
    EXPECT_TRUE(window->currentFile().FileSaved);
}

} // namespace
} // namespace lb::test
