#pragma once
// frmClear: the prompt that follows a password copy and offers to clear the
// clipboard again once the password has been pasted. Modeless and owned by
// the main window, so the user can go on working while it waits; at most one
// is shown at a time, and it is destroyed whenever it closes.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace lb {

class FrmClear : public QDialog {
    Q_OBJECT

public:
    explicit FrmClear(QWidget* mainWindow);

    // Every way of closing (either button, the close box, Escape) passes here,
    // so the choice in chkDontShowWindow is stored whichever way it is closed.
    void done(int result) override;

private:
    void cmdOk_Click();

    QLabel* lblPrompt;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;
    QCheckBox* chkDontShowWindow;
};

// Shows the prompt over the main window, or brings the one already shown
// forward with its check box as the user left it. Returns at once.
void showClearPrompt(QWidget* mainWindow);

// Closes the prompt, when one is shown, as its No button does: the clipboard
// was cleared without it (by its timer) or the file locked.
void closeClearPrompt();

} // namespace lb
