#pragma once
// What every flow test starts from: a person at the keyboard, a stand-in main
// window, a folder of the test's own, and the checks a person would make.

#include "account_files.h"
#include "disk.h"
#include "fake_account_window.h"
#include "fake_user.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace lb::test {

class FlowTest : public ::testing::Test {
protected:
    FlowTest() {
        user.windowBusy = [this] { return w.busy(); };
    }

    QString path(const char* name) const { return QString::fromStdString(folder / name); }

    // The window as a person finds it after an operation: usable, normal pointer.
    void expectIdle() const {
        EXPECT_FALSE(w.busy());
        EXPECT_TRUE(w.isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    // The one message shown: "Error", critical, OK, while the window was still busy.
    void expectOneFailure(const QString& text, bool whileBusy = true) const {
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].title, QStringLiteral("Error"));
        EXPECT_EQ(user.messages[0].text, text);
        EXPECT_EQ(user.messages[0].icon, QMessageBox::Critical);
        EXPECT_EQ(user.messages[0].buttons, QMessageBox::Ok);
        EXPECT_EQ(user.busyAtMessage[0], whileBusy) << "busy while the message was up";
    }

    bool logged(const QString& status) const {
        return std::find(w.statusLog.begin(), w.statusLog.end(), status) != w.statusLog.end();
    }

    // A file as if opened earlier, its second account shown, a change not yet saved.
    void haveOpenFile(const QString& name, const std::string& password) {
        w.table().replaceAll(sampleAccounts());
        w.showAccount(1);
        w.currentFile().CurrentFileName = name;
        w.currentFile().CurrentPassword = SecretBytes(password);
        w.currentFile().kind = FileKind::Classic;
        w.currentFile().FileSaved = false;
    }

    TempFolder folder;
    FakeUser user;
    FakeAccountWindow w;
};

} // namespace lb::test
