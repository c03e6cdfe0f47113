// Every control a person can reach in the main window has a name a screen
// reader can say.

#include "main_window_fixture.h"

#include <QAccessible>
#include <QToolButton>

namespace lb::test {
namespace {

using Accessibility = MainWindowTest;

TEST_F(Accessibility, EveryFocusableControlHasAName) {
    showWindow();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(window.get()) ||
            w->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(face, nullptr);
        const QString name = face->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString();
        EXPECT_FALSE(name.contains(QLatin1Char('&'))) << name.toStdString();
    }
}

TEST_F(Accessibility, ToolbarButtonsAreNamedByTheirTooltips) {
    showWindow();
    auto* add = qobject_cast<QToolButton*>(
        window->tbToolbar->widgetForAction(window->toolbarButton(QStringLiteral("add"))));
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(add)->text(QAccessible::Name), "Add account");
}

} // namespace
} // namespace lb::test
