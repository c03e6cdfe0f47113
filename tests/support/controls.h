#pragma once
// Reaching a window's controls as a person does: by their names, with the
// keyboard and the mouse, and answering the modal dialog that a call opens.

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

// Texts in the messages of failed checks, rather than their code units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace lb::test {

// A control by its name; a missing one fails the test.
template <typename Widget> Widget* control(const QObject* root, const char* name) {
    auto* widget = root->findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// A click on the check box's own square, wherever the style draws it.
inline void clickCheckBox(QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect square = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, square.center());
}

// Types text one key at a time, as a keyboard does: each character (a whole
// code point, an emoji too) is one key press that carries it as its text.
inline void typeText(QWidget* box, const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                            Qt::NoModifier);
    }
}

// Every control a person can reach with the keyboard has a name for a screen
// reader to say, without the '&' that marks its access key.
inline void expectEveryControlNamed(const QWidget* root) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(root) ||
            w->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty() || name.contains(QRegularExpression(QStringLiteral("&\\w"))))
            << w->metaObject()->className() << " " << w->objectName().toStdString() << ": "
            << name.toStdString();
    }
}

// Runs act on the modal dialog that the next call opens, then closes that
// dialog if act left it open, so the call returns whatever act asserted.
inline void whenModalOpens(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) {
            ADD_FAILURE() << "no modal dialog opened";
            return;
        }
        act(dialog);
        if (QApplication::activeModalWidget() == dialog) {
            dialog->close();
        }
    });
}

} // namespace lb::test
