#pragma once
// frmAbout: the program's name and version, its artwork, and links to the
// maker's web site and e-mail address. Modal, and built afresh each time.

#include <QDialog>

class QLabel;
class QPushButton;

namespace lb {

class LinkLabel;

class FrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit FrmAbout(QWidget* mainWindow);

private:
    QLabel* Picture;
    QLabel* Image;
    QLabel* lblApplicationName;
    QLabel* lblVersion;
    LinkLabel* lblWebsite;
    LinkLabel* lblEMail;
    QPushButton* cmdOk;
};

// Shows frmAbout modal, centred on the screen; returns when it has closed.
void showAbout(QWidget* mainWindow);

} // namespace lb
