// The layout routine of frmMain and the splitter drag. Coordinates inside the
// client area are pixels; the split is a percentage of the client width.

#include "mainwindow/account_list_view.h"
#include "mainwindow/detail_pane.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/lock_screen.h"
#include "mainwindow/round_half_even.h"
#include "mainwindow/splitter_bar.h"

#include <QHeaderView>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>
#include <cmath>

namespace lb {
namespace {

constexpr int kSplitterWidth = 5;
constexpr int kPaneMinimum = 150;
constexpr int kToolbarGap = 3;

double roundTo10Places(double v) {
    return std::round(v * 1e10) / 1e10;
}

// Moves a control unless the geometry would be negative; a step that cannot
// be applied is skipped and the control keeps its place.
void place(QWidget* w, int left, int top, int width, int height) {
    if (width >= 0 && height >= 0) {
        w->setGeometry(left, top, width, height);
    }
}

} // namespace

void FrmMain::Form_Resize() {
    if (Loading) {
        return;
    }
    const int W = client->width();
    const int H0 = client->height();

    // The toolbar and status bar are docked along the top and bottom edges.
    const int toolbarHeight = tbToolbar->sizeHint().height();
    const int statusHeight = sbStatus->sizeHint().height();
    place(tbToolbar, 0, 0, W, toolbarHeight);
    place(sbStatus, 0, H0 - statusHeight, W, statusHeight);
    if (picLocked != nullptr && !picLocked->isHidden()) {
        // Locked: nothing but the lock, above the status bar.
        place(picLocked, 0, 0, W, sbStatus->isHidden() ? H0 : H0 - statusHeight);
    }

    if (InMiniMode) {
        place(lstAccounts, 0, 0, W, H0);
        lstAccounts->raise();
        picSlideLine->raise();
    } else {
        // Any split beyond the client area ends at the same limits, so a
        // strange stored percentage cannot overflow the pixel position.
        int splitLeft = roundHalfEven(std::clamp(W / 100.0 * SplitPercentage, 0.0, double(W)));
        if (splitLeft < kPaneMinimum) {
            splitLeft = kPaneMinimum;
        }
        if (splitLeft + kPaneMinimum > W) {
            splitLeft = W - kPaneMinimum; // below 300 pixels this limit wins
        }
        picSeperator->move(splitLeft, picSeperator->y());
        if (W != 0) {
            SplitPercentage = roundTo10Places(static_cast<double>(splitLeft) / W * 100.0);
        }
        int H = H0;
        int T = 0;
        if (!tbToolbar->isHidden()) {
            H -= toolbarHeight + kToolbarGap;
            T += toolbarHeight + kToolbarGap;
        }
        if (!sbStatus->isHidden()) {
            H -= statusHeight;
        }
        place(picView, 0, T, splitLeft, H);
        const int rectLeft = splitLeft + kSplitterWidth;
        const int rectWidth = W - kSplitterWidth - picView->width();
        place(lstAccounts, rectLeft + 1, T + 1, rectWidth - 2, H - 2);
        place(shpAccounts, rectLeft, T, rectWidth, H);
        place(picSeperator, picSeperator->x(), T, kSplitterWidth, H);
        place(picSlideLine, picSeperator->x(), T, kSplitterWidth, H);
        picView->layOut(picView->width(), picView->height());
    }

    const int columnWidth = (lstAccounts->width() - 30) / 5;
    if (columnWidth >= 0) {
        for (int c = 0; c < kFieldCount; ++c) {
            lstAccounts->header()->resizeSection(c, columnWidth);
        }
    }
    recordNormalGeometry();
}

void FrmMain::picSeperator_MouseDown() {
    picSlideLine->show();
    picSlideLine->raise();
}

void FrmMain::picSeperator_MouseMove(double x) {
    if (picSlideLine->isHidden()) {
        return;
    }
    const int W = client->width();
    int p = roundHalfEven(picSeperator->x() + x);
    if (p < kPaneMinimum) {
        p = kPaneMinimum;
    }
    if (W < p + kPaneMinimum) {
        p = W - kPaneMinimum;
    }
    picSlideLine->move(p, picSlideLine->y());
}

void FrmMain::picSeperator_MouseUp() {
    picSlideLine->hide();
    const int W = client->width();
    picSeperator->move(picSlideLine->x(), picSeperator->y());
    if (W != 0) {
        SplitPercentage = roundTo10Places(static_cast<double>(picSeperator->x()) / W * 100.0);
    }
    Form_Resize();
}

} // namespace lb
