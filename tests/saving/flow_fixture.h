#pragma once
// What every save and open test starts from: a person at the keyboard, a
// stand-in main window, a temporary folder, and a record of whether the
// window was busy each time a message box came up.

#include "fake_user.h"
#include "fake_window.h"
#include "test_files.h"

#include <QApplication>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>

namespace lb::test {

class FlowTest : public ::testing::Test {
protected:
    FlowTest() {
        // FakeUser's own record of messages, plus the busy state at each one.
        ui::setMessageHook([this](const ui::Message& m) {
            user.messages.push_back(m);
            busyAtMessage.push_back(w.busy());
            if (messageAnswers_.empty()) {
                return m.escapeButton != QMessageBox::NoButton ? m.escapeButton : QMessageBox::Ok;
            }
            const auto answer = messageAnswers_.front();
            messageAnswers_.pop_front();
            return answer;
        });
    }

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    void willAnswer(QMessageBox::StandardButton button) { messageAnswers_.push_back(button); }

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
        EXPECT_TRUE(busyAtMessage[i]) << "the window was usable while the message was up";
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
    std::vector<bool> busyAtMessage;

private:
    std::deque<QMessageBox::StandardButton> messageAnswers_;
};

} // namespace lb::test
