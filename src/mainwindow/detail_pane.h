#pragma once
// picView, the detail pane: the shown account's five fields and the buttons
// beneath them. The controls sit at fixed positions; layOut only sets the
// widths, the notes box's height and the button panel, for the pane's size.

#include "mainwindow/detail_text_limit.h"
#include "mainwindow/password_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace lb {

class DetailPane : public QWidget {
    Q_OBJECT

public:
    explicit DetailPane(QWidget* parent = nullptr);

    // Places the controls for an inner width and height of the pane.
    void layOut(int innerWidth, int innerHeight);

    DetailLineEdit* txtViewAccountName;
    DetailLineEdit* txtViewUserName;
    PasswordBox* txtViewPassword;
    DetailLineEdit* txtViewURL;
    NotesEdit* txtViewNotes;
    QPushButton* cmdViewGoURL;
    QWidget* picViewButtons;
    QPushButton* cmdViewCopyPassword;
    QPushButton* cmdViewCopyUserName;
    QPushButton* cmdViewCopyURL;
    QPushButton* cmdViewRandomPassword;
    // Inside the password box, at its end: Accounts > Generate Password.
    QAction* actViewGeneratePassword;

    // In tab order.
    QList<QWidget*> textBoxes() const;
    QList<QPushButton*> buttons() const;

    // Draws the password box as asterisks, or as typed.
    void setPasswordMasked(bool masked);

    // While classicOnly says a legacy-format file is open, the boxes take
    // only what it can keep; a refused character is told to refused.
    void setTextRules(std::function<bool()> classicOnly, std::function<void(char32_t)> refused);

private:
    void fitCaptions();

    DetailTextRules rules_;
};

} // namespace lb
