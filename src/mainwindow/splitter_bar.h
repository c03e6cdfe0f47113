#pragma once
// picSeperator: the 5-pixel bar between the detail pane and the list. It only
// reports the mouse; the main window moves the guide line and the split.

#include <QWidget>

namespace lb {

class SplitterBar : public QWidget {
    Q_OBJECT

public:
    explicit SplitterBar(QWidget* parent = nullptr);

signals:
    void pressed();
    // The pointer's horizontal position relative to the bar, in pixels.
    void moved(double x);
    void released();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace lb
