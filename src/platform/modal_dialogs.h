#pragma once
// What the lock needs of every dialog: to know whether one is running its own
// event loop (the lock waits until each has returned), and to have them all
// answer at once as if cancelled while the file locks, without showing.

namespace lb::ui {

// Held around a dialog's exec(): counts the dialogs open in nested loops.
class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};

int openModalDialogs();

// While set, every dialog of the program answers as if the person cancelled
// it, at once and unseen.
void setDialogsRefused(bool refused);
bool dialogsRefused();

} // namespace lb::ui
