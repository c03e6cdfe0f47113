#include "mainwindow/password_box.h"

#include "dialogs/strength_meter.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

namespace lb {
namespace {

// Runs QLineEdit's own handling of an event and takes back whatever it put on
// either clipboard meanwhile. In a box that shows its text, QLineEdit copies
// the selection to the X selection when a mouse button is released and after
// most keys, and Ctrl+K copies the rest of the line to the clipboard. Other
// programs are answered only from the event loop, so what is taken back
// before it runs again has reached none of them.
template <typename Handle> void withoutCopies(Handle handle) {
    QClipboard* board = QGuiApplication::clipboard();
    QList<QClipboard::Mode> filled;
    const QMetaObject::Connection watch = QObject::connect(
        board, &QClipboard::changed, [&filled](QClipboard::Mode mode) { filled.append(mode); });
    handle();
    QObject::disconnect(watch);
    for (const QClipboard::Mode mode : filled) {
        board->clear(mode);
    }
}

} // namespace

PasswordBox::PasswordBox(const DetailTextRules& rules, QWidget* parent)
    : DetailLineEdit(rules, parent) {
    setObjectName(QStringLiteral("txtViewPassword"));
    setAccessibleName(QStringLiteral("Password"));
    // Dropped on another window, the text would be handed over there in clear.
    setDragEnabled(false);
    connect(this, &QLineEdit::textChanged, this, &PasswordBox::judgeStrength);
}

void PasswordBox::judgeStrength(const QString& password) {
    if (password.isEmpty()) {
        strength_.reset();
        setToolTip(QString());
        setAccessibleDescription(QString());
    } else {
        strength_ = strengthOf(password).level;
        setToolTip(strengthDescription(*strength_));
        setAccessibleDescription(strengthDescription(*strength_));
    }
    update();
}

void PasswordBox::paintEvent(QPaintEvent* event) {
    DetailLineEdit::paintEvent(event);
    if (!strength_ || !isEnabled()) {
        return;
    }
    // Inside the frame, along the bottom, under the text.
    QPainter painter(this);
    const QRectF inner = QRectF(rect()).adjusted(2, 2, -2, -2);
    paintStrengthBar(painter, QRectF(inner.left(), inner.bottom() - 2, inner.width(), 2),
                     *strength_);
}

void PasswordBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut)) {
        event->accept();
        emit copyRequested();
        return;
    }
    withoutCopies([&] { DetailLineEdit::keyPressEvent(event); });
}

void PasswordBox::mouseReleaseEvent(QMouseEvent* event) {
    withoutCopies([&] { DetailLineEdit::mouseReleaseEvent(event); });
}

void PasswordBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // Qt's menu names its entries only in the person's language, but it ties
    // them to the box's copy() and cut() slots, and those ties find them.
    for (QAction* action : menu->actions()) {
        const bool copies = QObject::disconnect(action, SIGNAL(triggered()), this, SLOT(copy()));
        const bool cuts = QObject::disconnect(action, SIGNAL(triggered()), this, SLOT(cut()));
        if (copies || cuts) {
            action->setEnabled(true); // masked or not, whatever is selected
            connect(action, &QAction::triggered, this, &PasswordBox::copyRequested);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace lb
