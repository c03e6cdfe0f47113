#pragma once
// Notices the person at work in any of the program's windows, a key or a
// click, and says when they have been away for the minutes the Options give
// (`LockAfterIdleMinutes`, 0 for never).

#include <QObject>
#include <QTimer>

namespace lb {

class IdleWatch : public QObject {
    Q_OBJECT

public:
    explicit IdleWatch(QObject* parent = nullptr);

    // Starts or stops watching; while stopped (the file is locked) nothing comes.
    void setWatching(bool watching);

signals:
    void idle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restart();

    QTimer timer_;
    bool watching_ = false;
};

} // namespace lb
