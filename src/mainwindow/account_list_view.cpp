#include "mainwindow/account_list_view.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionHeader>

namespace lb {
namespace {

// Column headings that end in an ellipsis when their column is too narrow,
// as the cells below them do. QHeaderView's own eliding measures the whole
// header rather than the section, so it never shortens a heading.
class ElidingHeader final : public QHeaderView {
public:
    explicit ElidingHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override {
        QHeaderView::initStyleOptionForIndex(option, logicalIndex);
        const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, option, this);
        int room = sectionSize(logicalIndex) - 2 * margin;
        if (!option->icon.isNull()) {
            room -= style()->pixelMetric(QStyle::PM_SmallIconSize, option, this) + margin;
        }
        option->text = option->fontMetrics.elidedText(option->text, Qt::ElideRight, room);
    }
};

} // namespace

AccountListView::AccountListView(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("lstAccounts"));
    setAccessibleName(QStringLiteral("Accounts"));
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Tab leaves the list for the detail pane, as in any list control.
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    setIconSize(QSize(16, 16));
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(std::max(18, fontMetrics().height() + 4));

    setHorizontalHeader(new ElidingHeader(this));
    QHeaderView* columns = horizontalHeader();
    columns->setSectionsClickable(true);
    columns->setSectionsMovable(false);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace lb
