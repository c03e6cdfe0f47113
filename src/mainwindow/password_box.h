#pragma once
// txtViewPassword, the detail pane's password box. Whether it shows the
// password or asterisks, the password leaves it only the way Copy Password
// gives it out: marked as secret, the status bar in asterisks, the clear
// prompt after it. Copy and Cut, by key or from the box's menu, ask for
// exactly that; selecting text never publishes it as the X selection, and
// the text cannot be dragged out. Its strength shows as a thin bar inside the
// box along its bottom edge, so that no control of the pane moves, and as a
// word in its tooltip and accessible description.

#include "core/password_strength.h"
#include "mainwindow/detail_text_limit.h"

#include <optional>

namespace lb {

class PasswordBox : public DetailLineEdit {
    Q_OBJECT

public:
    PasswordBox(const DetailTextRules& rules, QWidget* parent);

signals:
    // Copy or Cut: the person wants the password on the clipboard.
    void copyRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void judgeStrength(const QString& password);

    std::optional<StrengthLevel> strength_;
};

} // namespace lb
