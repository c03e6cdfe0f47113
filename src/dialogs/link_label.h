#pragma once
// A label that acts as a link: a pointing hand over it, and a click, Space
// or Enter activates it. It takes the keyboard focus so that the links can be
// reached without a mouse.

#include <QLabel>

namespace lb {

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& text, QWidget* parent);

signals:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A label draws no focus; a link reached with Tab must show that it has it.
    void paintEvent(QPaintEvent* event) override;
};

} // namespace lb
