#pragma once
// frmOptions: the user options of the settings store. Read when the
// dialog opens, written all together by Ok; Cancel, Escape and the close box
// write nothing. Also clears the clipboard on demand.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace lb {

class FrmOptions : public QDialog {
    Q_OBJECT

public:
    explicit FrmOptions(QWidget* mainWindow);

private:
    void Form_Load();
    void cmdOk_Click();
    void cmdBrowseForDefaultFile_Click();

    QCheckBox* chkAutoSave;
    QCheckBox* chkStartInMiniMode;
    QLineEdit* txtDefaultFile;
    QPushButton* cmdBrowseForDefaultFile;
    QCheckBox* chkClearClipboardExit;
    QPushButton* cmdClearClipboard;
    QCheckBox* chkShowCopyWarning;
    QCheckBox* chkRandomPasswordFromGenerator;
    QSpinBox* spnClearClipboardSeconds;
    QSpinBox* spnLockAfterIdleMinutes;
    QCheckBox* chkLockOnScreenLock;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;
};

// Shows frmOptions modal over the main window; returns when it has closed.
void showOptions(QWidget* mainWindow);

} // namespace lb
