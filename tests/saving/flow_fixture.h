#pragma once
// What every save and open test starts from: a person at the keyboard, a
// stand-in main window, a temporary folder, and a witness of whether the
// window was busy each time a message box came up.

#include "fake_user.h"
#include "fake_window.h"
#include "message_witness.h"
#include "test_files.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lb::test {

class FlowTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    void willAnswer(QMessageBox::StandardButton button) { witness.willAnswer(button); }

    // The window as a person finds it after an operation: usable, normal pointer.
    void expectIdle() const {
        EXPECT_FALSE(w.busy());
        EXPECT_TRUE(w.isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    // The one message shown, with its title, icon and OK button, while busy.
    void expectOneFailure(const QString& text) const {
        ASSERT_EQ(user.messages.size(), 1u);
        expectFailureAt(0, text);
    }

    void expectFailureAt(std::size_t i, const QString& text) const {
        ASSERT_LT(i, user.messages.size());
        EXPECT_EQ(user.messages[i].title, QStringLiteral("Error"));
        EXPECT_EQ(user.messages[i].text, text);
        EXPECT_EQ(user.messages[i].icon, QMessageBox::Critical);
        EXPECT_EQ(user.messages[i].buttons, QMessageBox::Ok);
        EXPECT_TRUE(witness.busyAtMessage[i]) << "the window was usable while the message was up";
    }

    // Puts a file in the window as if it had been opened earlier, with a change not yet saved.
    void haveOpenFile(const QString& name, const std::string& password) {
        w.table().replaceAll(sampleAccounts());
        w.ShowAccount(1);
        w.currentFile().CurrentFileName = name;
        w.currentFile().CurrentPassword = password;
        w.currentFile().FileSaved = false;
    }

    QTemporaryDir dir;
    FakeUser user;
    FakeWindow w;
    MessageWitness witness{user, [this] { return w.busy(); }};
};

} // namespace lb::test
