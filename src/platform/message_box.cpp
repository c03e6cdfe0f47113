#include "platform/message_box.h"

#include "platform/modal_dialogs.h"

#include <QPushButton>

namespace lb::ui {
namespace {

// What a test put in place of the real service; empty in the program.
MessageHook answer;

} // namespace

void setMessageHook(MessageHook h) {
    answer = std::move(h);
}

QMessageBox::StandardButton showMessage(QWidget* parent, const Message& message,
                                        const ButtonCaptions& captions) {
    if (dialogsRefused()) {
        return message.escapeButton != QMessageBox::NoButton ? message.escapeButton
                                                             : QMessageBox::Cancel;
    }
    if (answer) {
        return answer(message);
    }
    QMessageBox box(message.icon, message.title, message.text, message.buttons, parent);
    if (message.defaultButton != QMessageBox::NoButton) {
        box.setDefaultButton(message.defaultButton);
    }
    if (message.escapeButton != QMessageBox::NoButton) {
        box.setEscapeButton(message.escapeButton);
    }
    for (auto caption = captions.begin(); caption != captions.end(); ++caption) {
        if (QAbstractButton* button = box.button(caption.key())) {
            button->setText(caption.value());
        }
    }
    const ModalScope modal;
    const int result = box.exec();
    // Closing the box from its frame without an escape button returns no button at all.
    const auto chosen = static_cast<QMessageBox::StandardButton>(result);
    if (box.clickedButton() == nullptr && message.escapeButton != QMessageBox::NoButton) {
        return message.escapeButton;
    }
    return chosen;
}

void showInformation(QWidget* parent, const QString& title, const QString& text) {
    showMessage(parent, Message{title, text, QMessageBox::Information, QMessageBox::Ok,
                                QMessageBox::Ok, QMessageBox::Ok});
}

void showCritical(QWidget* parent, const QString& title, const QString& text) {
    showMessage(parent, Message{title, text, QMessageBox::Critical, QMessageBox::Ok,
                                QMessageBox::Ok, QMessageBox::Ok});
}

} // namespace lb::ui
