// The main window's command surface, layout and view switches: menus and
// their keys, the toolbar over the same commands, the pixel geometry, the
// splitter, mini mode, on top, and the names a screen reader says.

#include "main_window_fixture.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>

namespace lb::test {
namespace {

class Window : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window->NewFile();
        showWindow();
    }
    QStringList visibleMenus() const {
        QStringList out;
        for (QAction* a : window->menuBar()->actions()) {
            if (a->isVisible()) {
                out << a->text();
            }
        }
        return out;
    }
    int triggeredBy(const char* keys, QAction* command) {
        int count = 0;
        auto c = QObject::connect(command, &QAction::triggered, [&count] { ++count; });
        press(keys);
        QObject::disconnect(c);
        return count;
    }
    void layOutAt(int clientWidth, double splitPercent) {
        // The split is set by dragging from where it stands to the wanted pixel.
        window->resize(clientWidth, 500);
        QApplication::processEvents();
        ASSERT_EQ(part("client")->width(), clientWidth);
        const int target = static_cast<int>(clientWidth * splitPercent / 100.0);
        drag(0, target - part("picSeperator")->x());
    }
    void drag(int fromX, int toX) {
        QWidget* bar = part("picSeperator");
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(fromX, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(toX, 10), bar->mapToGlobal(QPointF(toX, 10)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(toX, 10));
    }
    QRect geometryOf(const char* name) const { return part(name)->geometry(); }
    int toolbarBottom() const { return part("tbToolbar")->sizeHint().height() + 3; }
};

// The other tests reach every other command by its key or its toolbar button.
TEST_F(Window, OnTopIsAToolbarButtonAndAKeyAndPrintHasItsKey) {
    QToolButton* onTop = toolButton(commands().mnuViewOnTop);
    QTest::mouseClick(onTop, Qt::LeftButton);
    EXPECT_TRUE(commands().mnuViewOnTop->isChecked());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window->isVisible());
    press("Ctrl+T");
    EXPECT_FALSE(onTop->isChecked());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(triggeredBy("Ctrl+P", commands().mnuFilePrint), 1);
}

TEST_F(Window, AThousandPixelsAtAThirdPlacesEveryPaneBetweenToolbarAndStatusBar) {
    layOutAt(1000, 33);
    EXPECT_EQ(geometryOf("picSeperator"),
              QRect(330, toolbarBottom(), 5, geometryOf("picView").height()));
    EXPECT_EQ(geometryOf("picView"),
              QRect(0, toolbarBottom(), 330, geometryOf("sbStatus").top() - toolbarBottom()));
    EXPECT_EQ(geometryOf("shpAccounts"),
              QRect(335, toolbarBottom(), 665, geometryOf("picView").height()));
    EXPECT_EQ(geometryOf("lstAccounts"), geometryOf("shpAccounts").adjusted(1, 1, -1, -1));
    EXPECT_DOUBLE_EQ(window->splitPercentage(), 33);
    for (int c = 0; c < kFieldCount; ++c) {
        EXPECT_EQ(list()->horizontalHeader()->sectionSize(c), (663 - 30) / 5);
    }
    EXPECT_EQ(geometryOf("picViewButtons").bottom(), geometryOf("picView").height() - 5);
}

TEST_F(Window, TheSplitStaysWithinItsLimitsAndTheToolbarAndStatusBarGiveBackTheirRoom) {
    layOutAt(1000, 33);
    QWidget* bar = part("picSeperator");
    drag(2, 100);
    EXPECT_EQ(bar->x(), 430);
    EXPECT_DOUBLE_EQ(window->splitPercentage(), 43);
    EXPECT_TRUE(part("picSlideLine")->isHidden());
    drag(2, -500);
    EXPECT_EQ(bar->x(), 150);
    EXPECT_DOUBLE_EQ(window->splitPercentage(), 15);
    drag(2, 5000);
    EXPECT_EQ(bar->x(), 850);
    window->resize(250, 500);
    QApplication::processEvents();
    EXPECT_EQ(bar->x(), 100) << "below 300 pixels the right-hand limit wins";
    window->resize(1000, 500);
    QApplication::processEvents();
    const int height = geometryOf("picView").height();
    press("F5");
    EXPECT_EQ(geometryOf("picView").top(), 0);
    EXPECT_EQ(geometryOf("picView").height(), height + toolbarBottom());
    press("F6");
    EXPECT_EQ(geometryOf("picView").height(),
              height + toolbarBottom() + part("sbStatus")->sizeHint().height());
}

TEST_F(Window, MiniModeLeavesOnlyTheListAndCloseMiniModeAndComesBackAsItWas) {
    layOutAt(1000, 40);
    press("F5"); // the toolbar hidden first
    press("Ctrl+I");
    EXPECT_TRUE(window->inMiniMode());
    EXPECT_EQ(visibleMenus(), (QStringList{"&Close MiniMode"}));
    EXPECT_EQ(geometryOf("lstAccounts"), part("client")->rect());
    EXPECT_EQ(list()->horizontalHeader()->sectionSize(4), (1000 - 30) / 5);
    EXPECT_EQ(triggeredBy("Ctrl+E", commands().mnuAccountsAdd), 0);
    commands().mnuCloseMiniMode->trigger();
    EXPECT_EQ(visibleMenus(), (QStringList{"&File", "&Edit", "&View", "&Accounts", "&Help"}));
    EXPECT_TRUE(part("tbToolbar")->isHidden());
    EXPECT_EQ(part("picSeperator")->x(), 400);
    EXPECT_FALSE(toolButton(commands().mnuAccountsRemove)->isEnabled());
    EXPECT_EQ(triggeredBy("Ctrl+E", commands().mnuAccountsAdd), 1);
}

TEST_F(Window, EveryControlAPersonCanReachHasANameToBeSpoken) {
    expectEveryControlNamed(window.get());
}

TEST_F(Window, HelpOpensTheManualWhereThePackagePutsItOrBesideTheProgram) {
    const QString folder = QCoreApplication::applicationDirPath();
    const QStringList places = {folder + QStringLiteral("/../share/lockerbook/Lockerbook.html"),
                                folder + QStringLiteral("/Lockerbook.html")};
    for (const QString& place : places) {
        QFile::remove(place);
    }
    press("F1");
    ASSERT_EQ(user->messages.size(), 1u);
    EXPECT_TRUE(user->lastMessageText().contains(QStringLiteral("Lockerbook.html")));
    EXPECT_TRUE(user->shellOpened.empty());
    for (const QString& place : places) {
        SCOPED_TRACE(place.toStdString());
        QDir().mkpath(QFileInfo(place).absolutePath());
        writeBytes(place.toStdString(), "<html></html>");
        user->shellOpened.clear();
        press("F1");
        ASSERT_EQ(user->shellOpened.size(), 1u);
        EXPECT_EQ(user->shellOpened[0], QFileInfo(place).canonicalFilePath());
        QFile::remove(place);
    }
    EXPECT_EQ(user->messages.size(), 1u);
}

} // namespace
} // namespace lb::test
