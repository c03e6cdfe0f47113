#include "platform/session_watch.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QString>
#include <unistd.h>

namespace lb {
namespace {

const QString kLogin1 = QStringLiteral("org.freedesktop.login1");

// logind names a session's object after its id, escaping what an object path
// cannot hold (and a leading digit) as _XX in hexadecimal.
QString sessionPath(const QByteArray& id) {
    QString path = QStringLiteral("/org/freedesktop/login1/session/");
    for (qsizetype i = 0; i < id.size(); ++i) {
        const auto c = static_cast<unsigned char>(id[i]);
        const bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9' && i > 0);
        path += plain ? QString(QLatin1Char(static_cast<char>(c)))
                      : QStringLiteral("_%1").arg(c, 2, 16, QLatin1Char('0'));
    }
    return path;
}

} // namespace

SessionWatch::SessionWatch(QObject* parent) : QObject(parent) {
    QDBusConnection session = QDBusConnection::sessionBus();
    if (session.isConnected()) {
        // Any path: desktops publish the interface at more than one.
        for (const QString& service : {QStringLiteral("org.freedesktop.ScreenSaver"),
                                       QStringLiteral("org.gnome.ScreenSaver")}) {
            session.connect(QString(), QString(), service, QStringLiteral("ActiveChanged"), this,
                            SLOT(screenSaverActive(bool)));
        }
    }
    QDBusConnection system = QDBusConnection::systemBus();
    if (system.isConnected()) {
        system.connect(kLogin1, QStringLiteral("/org/freedesktop/login1"),
                       QStringLiteral("org.freedesktop.login1.Manager"),
                       QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
        watchOwnSession();
    }
}

void SessionWatch::watchOwnSession() {
    const auto listen = [this](const QString& path) {
        QDBusConnection::systemBus().connect(kLogin1, path,
                                             QStringLiteral("org.freedesktop.login1.Session"),
                                             QStringLiteral("Lock"), this, SLOT(sessionLocked()));
    };
    QDBusConnection system = QDBusConnection::systemBus();
    // Only this person's own session: a Lock sent to another user's must not count.
    const QByteArray id = qgetenv("XDG_SESSION_ID");
    if (!id.isEmpty()) {
        listen(sessionPath(id));
        return;
    }
    QDBusMessage ask = QDBusMessage::createMethodCall(
        kLogin1, QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("GetSessionByPID"));
    ask << static_cast<quint32>(::getpid());
    auto* watcher = new QDBusPendingCallWatcher(system.asyncCall(ask), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [watcher, listen](QDBusPendingCallWatcher*) {
                const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
                if (reply.isValid()) {
                    listen(reply.value().path());
                }
                watcher->deleteLater();
            });
}

void SessionWatch::screenSaverActive(bool active) {
    if (active) {
        emit personAway();
    }
}

void SessionWatch::prepareForSleep(bool sleeping) {
    if (sleeping) {
        emit personAway();
    }
}

void SessionWatch::sessionLocked() {
    emit personAway();
}

} // namespace lb
