#include "mainwindow/idle_watch.h"

#include "platform/settings.h"

#include <QCoreApplication>
#include <QEvent>

namespace lb {

IdleWatch::IdleWatch(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &IdleWatch::idle);
    QCoreApplication::instance()->installEventFilter(this);
}

void IdleWatch::setWatching(bool watching) {
    watching_ = watching;
    if (watching) {
        restart();
    } else {
        timer_.stop();
    }
}

void IdleWatch::restart() {
    // Read anew, so that a change in the Options counts from the next key;
    // a day is the longest a person can ask for.
    const double minutes = settings::numberOption(settings::kLockAfterIdleMinutes, 15, 24 * 60);
    if (minutes <= 0) {
        timer_.stop();
        return;
    }
    timer_.start(static_cast<int>(minutes * 60 * 1000));
}

bool IdleWatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::Shortcut: // a key a shortcut takes never arrives as a press
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        if (watching_) {
            restart();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lb
