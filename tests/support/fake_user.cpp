#include "fake_user.h"

#include "dialogs/frm_generator.h"
#include "dialogs/password_prompt.h"
#include "platform/settings.h"
#include "platform/shell_open.h"

#include <QFile>

namespace lb::test {

FakeUser::FakeUser() {
    ui::setMessageHook([this](const ui::Message& m) {
        messages.push_back(m);
        busyAtMessage.push_back(windowBusy && windowBusy());
        if (messageAnswers_.empty()) {
            return m.escapeButton != QMessageBox::NoButton ? m.escapeButton : QMessageBox::Ok;
        }
        const auto answer = messageAnswers_.front();
        messageAnswers_.pop_front();
        // NoButton in the queue stands for the Enter key.
        return answer == QMessageBox::NoButton ? m.defaultButton : answer;
    });
    ui::setFileDialogHook([this](const ui::FileDialogRequest& r) {
        fileDialogs.push_back(r);
        std::optional<ui::FileDialogResult> answer;
        if (!fileAnswers_.empty()) {
            // An empty path stands for Cancel.
            if (!fileAnswers_.front().path.isEmpty()) {
                answer = fileAnswers_.front();
            }
            fileAnswers_.pop_front();
        }
        return answer;
    });
    ui::setPasswordHook([this](bool confirm) {
        passwordPrompts.push_back(confirm);
        if (passwordAnswers_.empty()) {
            return QString();
        }
        QString answer = passwordAnswers_.front();
        passwordAnswers_.pop_front();
        return answer;
    });
    ui::setShellHook([this](const QString& target) { shellOpened.push_back(target); });
}

void FakeUser::answerTheGenerator() {
    setGeneratorHook([this]() -> std::optional<QString> {
        if (generatedAnswers_.empty()) {
            return std::nullopt;
        }
        QString answer = generatedAnswers_.front();
        generatedAnswers_.pop_front();
        return answer;
    });
}

FakeUser::~FakeUser() {
    ui::setMessageHook({});
    ui::setFileDialogHook({});
    ui::setPasswordHook({});
    ui::setShellHook({});
    setGeneratorHook({});
}

void FakeUser::willUseGeneratedPassword(const QString& password) {
    generatedAnswers_.push_back(password);
}

void FakeUser::willAnswer(QMessageBox::StandardButton button) {
    messageAnswers_.push_back(button);
}

void FakeUser::willPressEnter() {
    messageAnswers_.push_back(QMessageBox::NoButton);
}

void FakeUser::willChooseFile(const QString& path, int filterIndex) {
    fileAnswers_.push_back(ui::FileDialogResult{path, filterIndex});
}

void FakeUser::willCancelFileDialog() {
    fileAnswers_.push_back(ui::FileDialogResult{});
}

void FakeUser::willTypePassword(const QString& password) {
    passwordAnswers_.push_back(password);
}

void FakeUser::willCancelPassword() {
    passwordAnswers_.push_back(QString());
}

QString FakeUser::lastMessageText() const {
    return messages.empty() ? QString() : messages.back().text;
}

void resetSettings() {
    QFile::remove(settings::filePath());
    settings::judgeFileAgain();
}

} // namespace lb::test
