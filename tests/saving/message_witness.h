#pragma once
// Answers message boxes for the FakeUser and also notes whether the main
// window was busy as each came up: failures must be reported while the
// window still takes no input.

#include "fake_user.h"

#include <QMessageBox>
#include <deque>
#include <functional>
#include <vector>

namespace lb::test {

class MessageWitness {
public:
    MessageWitness(FakeUser& user, std::function<bool()> windowBusy) {
        ui::setMessageHook([&user, this, busy = std::move(windowBusy)](const ui::Message& m) {
            user.messages.push_back(m);
            busyAtMessage.push_back(busy());
            if (answers_.empty()) {
                return m.escapeButton != QMessageBox::NoButton ? m.escapeButton : QMessageBox::Ok;
            }
            const auto answer = answers_.front();
            answers_.pop_front();
            return answer;
        });
    }
    ~MessageWitness() { ui::setMessageHook({}); }
    MessageWitness(const MessageWitness&) = delete;
    MessageWitness& operator=(const MessageWitness&) = delete;

    void willAnswer(QMessageBox::StandardButton button) { answers_.push_back(button); }

    std::vector<bool> busyAtMessage;

private:
    std::deque<QMessageBox::StandardButton> answers_;
};

} // namespace lb::test
