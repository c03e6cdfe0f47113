#pragma once
// lstAccounts: the account list in report style, one row per account under
// five column headers. A table view keeps no structure per row, so a list of
// a million accounts costs no more to show, repaint or re-mask than a short one.

#include <QHeaderView>
#include <QTableView>

namespace lb {

class AccountListView : public QTableView {
    Q_OBJECT

public:
    explicit AccountListView(QWidget* parent = nullptr);

    // The column headers.
    QHeaderView* header() const { return horizontalHeader(); }
};

} // namespace lb
