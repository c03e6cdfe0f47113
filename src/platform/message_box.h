#pragma once
// Every message box of the program goes through showMessage, so a test can
// answer it as a person would and read back what was shown.

#include <QMap>
#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace lb::ui {

struct Message {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    // The answer when the person presses Escape or closes the box.
    QMessageBox::StandardButton escapeButton = QMessageBox::NoButton;
};

// Captions in place of the standard ones ("&Merge" for Yes, say); the answer
// is still the standard button.
using ButtonCaptions = QMap<QMessageBox::StandardButton, QString>;

// Shows the box modally and returns the button chosen.
QMessageBox::StandardButton showMessage(QWidget* parent, const Message& message,
                                        const ButtonCaptions& captions = {});

// Shorthands for the common boxes: OK only, with the given icon.
void showInformation(QWidget* parent, const QString& title, const QString& text);
void showCritical(QWidget* parent, const QString& title, const QString& text);

// A test answers every box through this hook instead of a real dialog.
using MessageHook = std::function<QMessageBox::StandardButton(const Message&)>;
void setMessageHook(MessageHook hook);

} // namespace lb::ui
