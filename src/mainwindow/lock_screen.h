#pragma once
// What a locked window shows in place of the list and the pane: the file's
// name and an Unlock password box, or, for a list that has no master
// password yet, only a button that brings it back.

#include <QWidget>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace lb {

class LockScreen : public QWidget {
    Q_OBJECT

public:
    explicit LockScreen(QWidget* parent = nullptr);

    // Locked: the file's name, and whether a password unlocks it.
    void showLocked(const QString& fileName, bool withPassword);
    // Sealing or unsealing: the box waits, the bar moves.
    void showWorking(const QString& text);
    // The password did not unlock: said, and asked for again.
    void sayWrongPassword();

    QLabel* lblFile;
    QLabel* lblState;
    QLineEdit* txtUnlock;
    QPushButton* cmdUnlock;
    QLabel* lblMessage;
    QProgressBar* barWorking;

signals:
    void unlockRequested();

private:
    void ready();
};

} // namespace lb
