#include "mainwindow/splitter_bar.h"

#include <QMouseEvent>

namespace lb {

SplitterBar::SplitterBar(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::SizeHorCursor);
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
    // While a button is down the bar holds the mouse, so this keeps coming
    // while the pointer crosses the rest of the window.
    event->accept();
    emit moved(event->position().x());
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit released();
}

} // namespace lb
