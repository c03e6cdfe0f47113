#pragma once
// The desktop's word that the person has stepped away: the screen saver or
// lock screen coming on (org.freedesktop.ScreenSaver and org.gnome.ScreenSaver
// ActiveChanged(true) on the session bus), logind locking the session
// (Session.Lock), and the computer about to sleep (Manager.PrepareForSleep(true))
// on the system bus. Without a bus, or without those services, nothing comes
// and nothing else changes.

#include <QObject>

namespace lb {

class SessionWatch : public QObject {
    Q_OBJECT

public:
    explicit SessionWatch(QObject* parent = nullptr);

signals:
    // The screen locked or the computer is about to sleep.
    void personAway();

private slots:
    void screenSaverActive(bool active);
    void prepareForSleep(bool sleeping);
    void sessionLocked();

private:
    void watchOwnSession();
};

} // namespace lb
