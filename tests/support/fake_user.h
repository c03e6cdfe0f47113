#pragma once
// A person at the keyboard, for widget tests: answers queued in advance for
// message boxes, file dialogs and the password prompt, and a record of what
// was shown and what was handed to the desktop. Unanswered questions are
// cancelled (Escape), so nothing ever waits for a real person.

#include "platform/file_dialog.h"
#include "platform/message_box.h"

#include <QMessageBox>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

namespace lb::test {

class FakeUser {
public:
    FakeUser();
    ~FakeUser();
    FakeUser(const FakeUser&) = delete;
    FakeUser& operator=(const FakeUser&) = delete;

    // Answers, used in the order queued.
    void willAnswer(QMessageBox::StandardButton button);
    // Answers a message box with its default button.
    void willPressEnter();
    void willChooseFile(const QString& path, int filterIndex = 1);
    void willCancelFileDialog();
    void willTypePassword(const QString& password);
    void willCancelPassword();
    // Answers the password generator too (tests of the generator itself show
    // the real one): Use with the queued passwords, then Cancel.
    void answerTheGenerator();
    void willUseGeneratedPassword(const QString& password);

    // Asked as each message box comes up, to note whether the window behind
    // it was still busy then.
    std::function<bool()> windowBusy;

    // What the program showed, in order.
    std::vector<ui::Message> messages;
    std::vector<bool> busyAtMessage;
    std::vector<ui::FileDialogRequest> fileDialogs;
    std::vector<bool> passwordPrompts; // the confirm flag of each prompt
    std::vector<QString> shellOpened;

    QString lastMessageText() const;

private:
    std::deque<QMessageBox::StandardButton> messageAnswers_;
    std::deque<ui::FileDialogResult> fileAnswers_;
    std::deque<QString> passwordAnswers_;
    std::deque<QString> generatedAnswers_;
};

// Removes every stored setting of the test run.
void resetSettings();

} // namespace lb::test
