// The layout routine's pixel geometry and the splitter drag.

#include "main_window_fixture.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace lb::test {
namespace {

class Layout : public MainWindowTest {
protected:
    void layOutAt(int clientWidth, double split) {
        showWindow(clientWidth, 500);
        ASSERT_EQ(window->client->width(), clientWidth);
        window->SplitPercentage = split;
        window->Form_Resize();
    }

    int toolbarBottom() const { return window->tbToolbar->sizeHint().height() + 3; }

    void drag(int fromX, int toX) {
        QWidget* bar = window->picSeperator;
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(fromX, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(toX, 10), bar->mapToGlobal(QPointF(toX, 10)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(toX, 10));
    }
};

TEST_F(Layout, AThousandPixelsAtAThirdPlacesEveryPane) {
    layOutAt(1000, 33);
    EXPECT_EQ(window->picSeperator->x(), 330);
    EXPECT_EQ(window->picSeperator->width(), 5);
    EXPECT_EQ(window->picView->x(), 0);
    EXPECT_EQ(window->picView->width(), 330);
    EXPECT_EQ(window->shpAccounts->x(), 335);
    EXPECT_EQ(window->shpAccounts->geometry().right(), 999);
    EXPECT_EQ(window->lstAccounts->x(), 336);
    EXPECT_EQ(window->lstAccounts->geometry().right(), 998);
    EXPECT_DOUBLE_EQ(window->SplitPercentage, 33);
}

TEST_F(Layout, PanesSitBelowTheToolbarAndAboveTheStatusBar) {
    layOutAt(1000, 33);
    const int top = toolbarBottom();
    const int statusTop = window->sbStatus->y();
    EXPECT_EQ(window->picView->y(), top);
    EXPECT_EQ(window->picView->geometry().bottom(), statusTop - 1);
    EXPECT_EQ(window->lstAccounts->y(), top + 1);
    EXPECT_EQ(window->lstAccounts->height(), window->shpAccounts->height() - 2);
}

TEST_F(Layout, SplitsOutsideTheLimitsAreClampedAndRemembered) {
    layOutAt(1000, 5);
    EXPECT_EQ(window->picSeperator->x(), 150);
    EXPECT_DOUBLE_EQ(window->SplitPercentage, 15);
    window->SplitPercentage = 95;
    window->Form_Resize();
    EXPECT_EQ(window->picSeperator->x(), 850);
    EXPECT_DOUBLE_EQ(window->SplitPercentage, 85);
}

TEST_F(Layout, BelowThreeHundredPixelsTheRightHandLimitWins) {
    layOutAt(250, 33);
    EXPECT_EQ(window->picSeperator->x(), 100);
    EXPECT_DOUBLE_EQ(window->SplitPercentage, 40);
}

TEST_F(Layout, HidingTheToolbarOrStatusBarGrowsThePanes) {
    layOutAt(1000, 33);
    const int height = window->picView->height();
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_TRUE(window->tbToolbar->isHidden());
    EXPECT_EQ(window->picView->y(), 0);
    EXPECT_EQ(window->picView->height(), height + toolbarBottom());
    QTest::keyClick(window.get(), Qt::Key_F6);
    EXPECT_EQ(window->picView->height(),
              height + toolbarBottom() + window->sbStatus->sizeHint().height());
}

TEST_F(Layout, DetailPaneContentsFollowItsWidth) {
    layOutAt(1000, 33);
    DetailPane* pane = window->picView;
    EXPECT_EQ(pane->txtViewAccountName->width(), 330);
    EXPECT_EQ(pane->txtViewUserName->width(), 246);
    EXPECT_EQ(pane->txtViewURL->width(), 330 - 88 - 37);
    EXPECT_EQ(pane->cmdViewGoURL->x(), 80 + 205 + 4);
    EXPECT_EQ(pane->picViewButtons->geometry(),
              QRect(5, pane->txtViewNotes->geometry().bottom() + 6, 321, 57));
    EXPECT_EQ(pane->picViewButtons->geometry().bottom(), pane->height() - 5);
    // (321 - 5) / 2 = 158 for the left column, one less for the right.
    EXPECT_EQ(pane->cmdViewCopyPassword->width(), 158);
    EXPECT_EQ(pane->cmdViewCopyURL->width(), 157);
    EXPECT_EQ(pane->cmdViewCopyURL->x(), 163);
    EXPECT_EQ(pane->cmdViewRandomPassword->geometry(), QRect(163, 32, 157, 25));
}

TEST_F(Layout, ColumnsShareTheListWidthAlsoInMiniMode) {
    layOutAt(1000, 33);
    const int expected = (window->lstAccounts->width() - 30) / 5;
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(window->lstAccounts->header()->sectionSize(c), expected);
    }
    window->SetMiniMode(true);
    EXPECT_EQ(window->lstAccounts->geometry(), window->client->rect());
    EXPECT_EQ(window->lstAccounts->header()->sectionSize(4), (1000 - 30) / 5);
}

TEST_F(Layout, NothingMovesWhileLoading) {
    layOutAt(1000, 33);
    window->Loading = true;
    window->SplitPercentage = 60;
    window->Form_Resize();
    EXPECT_EQ(window->picSeperator->x(), 330);
    window->Loading = false;
}

TEST_F(Layout, ATinyWindowBreaksNothing) {
    layOutAt(1000, 33);
    window->resize(40, 30);
    window->Form_Resize();
    for (QWidget* w :
         {static_cast<QWidget*>(window->picView), static_cast<QWidget*>(window->lstAccounts),
          static_cast<QWidget*>(window->shpAccounts)}) {
        EXPECT_GE(w->width(), 0);
        EXPECT_GE(w->height(), 0);
    }
    // The split that fitted the tiny window is kept; back at full size the
    // limits place the splitter again.
    window->resize(1000, 500);
    window->Form_Resize();
    EXPECT_GE(window->picSeperator->x(), 150);
    EXPECT_LE(window->picSeperator->x(), 850);
}

TEST_F(Layout, AWindowWithNoClientWidthKeepsTheSplit) {
    layOutAt(1000, 33);
    window->client->resize(0, 400);
    window->Form_Resize();
    EXPECT_DOUBLE_EQ(window->SplitPercentage, 33);
}

TEST_F(Layout, DraggingStopsAtTheLimitsAndReleaseApplies) {
    layOutAt(1000, 33);
    drag(2, -500);
    EXPECT_EQ(window->picSeperator->x(), 150);
    EXPECT_DOUBLE_EQ(window->SplitPercentage, 15);
    EXPECT_TRUE(window->picSlideLine->isHidden());
    drag(2, 5000);
    EXPECT_EQ(window->picSeperator->x(), 850);
    EXPECT_DOUBLE_EQ(window->SplitPercentage, 85);
}

TEST_F(Layout, GuideLineMovesAloneDuringTheDrag) {
    layOutAt(1000, 33);
    QWidget* bar = window->picSeperator;
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(2, 10));
    EXPECT_TRUE(window->picSlideLine->isVisible());
    QMouseEvent move(QEvent::MouseMove, QPointF(100, 10), bar->mapToGlobal(QPointF(100, 10)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    EXPECT_EQ(window->picSlideLine->x(), 430);
    EXPECT_EQ(window->picSeperator->x(), 330);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(window->picSeperator->x(), 430);
    EXPECT_DOUBLE_EQ(window->SplitPercentage, 43);
}

TEST_F(Layout, APressWithoutMovementKeepsTheSplit) {
    layOutAt(1000, 33.3);
    const double split = window->SplitPercentage;
    QTest::mouseClick(window->picSeperator, Qt::LeftButton, {}, QPoint(2, 10));
    EXPECT_EQ(window->picSeperator->x(), 333);
    EXPECT_DOUBLE_EQ(window->SplitPercentage, split);
}

} // namespace
} // namespace lb::test
