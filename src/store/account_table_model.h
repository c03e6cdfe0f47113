#pragma once
// The account table: the one vector of accounts behind the list. Collection
// order is the vector's order; sorting reorders it, and saving, export and
// print follow it. The password column's text is derived from the real
// password and the mask switch, so the two can never disagree. The shown
// account (ViewingAccount) is a row that follows its account through sorting
// and the removal of other rows.

#include "core/account.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <vector>

namespace lb {

class AccountTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit AccountTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const std::vector<Account>& accounts() const { return accounts_; }
    const Account& account(int row) const { return accounts_[static_cast<std::size_t>(row)]; }
    int size() const { return static_cast<int>(accounts_.size()); }

    // Swaps in a whole new table; nothing is shown afterwards.
    void replaceAll(std::vector<Account> accounts);
    // Appends, or inserts at its sorted place once the list is sorted; returns the row.
    int append(Account account);
    void removeAt(int row);
    void setField(int row, Field field, std::string value);

    bool masked() const { return masked_; }
    void setMasked(bool masked);

    // The row shown in the detail pane and drawn bold, or -1.
    int viewingRow() const { return viewingRow_; }
    void setViewingRow(int row);

    // A click on a column header (0-based), with the list's sort rules: the
    // same column flips the order, another column sorts ascending.
    void columnClicked(int column);
    bool isSorted() const { return sorted_; }
    int sortKey() const { return sortKey_; }
    bool ascending() const { return ascending_; }

    void setIcons(const QIcon& account, const QIcon& sortUp, const QIcon& sortDown);

    // The column headings, in column order.
    static QString heading(int column);

private:
    void applySort();

    std::vector<Account> accounts_;
    bool masked_ = false;
    int viewingRow_ = -1;
    bool sorted_ = false;
    int sortKey_ = 0;
    bool ascending_ = true;
    QIcon accountIcon_;
    QIcon sortUpIcon_;
    QIcon sortDownIcon_;
};

} // namespace lb
