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
    // A table never saved, with a change.
    FlowTest() {
        user.windowBusy = [this] { return w.busy(); };
        w.table().replaceAll(sampleAccounts());
        w.currentFile().FileSaved = false;
    }

    QString path(const char* name) const { return QString::fromStdString(folder / name); }

    // The window as a person finds it after an operation: usable, normal pointer.
    void expectIdle() const {
        EXPECT_FALSE(w.busy());
        EXPECT_TRUE(w.isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    // The one message shown, by its beginning, and whether the window was still busy behind it.
    void expectOneFailure(const QString& text, bool whileBusy = true) const {
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_TRUE(user.messages[0].text.startsWith(text)) << user.messages[0].text.toStdString();
        EXPECT_EQ(user.busyAtMessage[0], whileBusy) << "busy while the message was up";
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
