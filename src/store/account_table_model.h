#pragma once
// The account table: the one vector of accounts behind the list, and the
// identities of the accounts removed from it. Collection order is the
// vector's order; sorting reorders it, and saving, export and print follow
// it. The list shows rows: every account, or only those the find box's words
// match; a row is a position in what is shown, an index a position in the
// whole table. The password column's text is derived from the real password
// and the mask switch, so the two can never disagree. The shown account
// (ViewingAccount) follows its account through sorting, finding and the
// removal of other accounts.

#include "core/account.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QIcon>
#include <QStringList>
#include <vector>

namespace lb {

class AccountTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit AccountTableModel(QObject* parent = nullptr);
    ~AccountTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Every account and removal, whatever is shown.
    const std::vector<Account>& accounts() const { return accounts_; }
    const std::vector<Removal>& removals() const { return removals_; }
    int totalCount() const { return static_cast<int>(accounts_.size()); }

    // The rows shown.
    int size() const;
    const Account& account(int row) const;
    int indexOfRow(int row) const;
    // The row that shows the account at index, or -1 while it is hidden.
    int rowOfIndex(int index) const;
    // The index of the account with this identity, or -1.
    int indexOfId(const AccountId& id) const;

    // Swaps in a whole new table and its removals; nothing is shown afterwards.
    void replaceAll(std::vector<Account> accounts, std::vector<Removal> removals = {});
    // Adds an account: at index, or (index -1) at the end, or at its sorted
    // place once the list is sorted. Drops a removal of its identity.
    // Returns the account's index.
    int insert(Account account, int index = -1);
    // Removes the account at index, records its removal, and returns it.
    Account removeAt(int index);
    // Takes back the removal record of an identity, when a removal is undone.
    void forgetRemoval(const AccountId& id);
    // Changes one field of the account at index, as a change of that account.
    void setField(int index, Field field, std::string value);
    // Puts back a whole version of an account (an undone or redone change).
    void setAccount(int index, Account account);
    // After a save: the next change of each account starts a new version.
    void markSaved();
    // Overwrites every text and forgets the whole table, for the lock.
    void wipe();

    bool masked() const { return masked_; }
    void setMasked(bool masked);

    // The index of the account shown in the detail pane and drawn bold, or -1.
    int viewingIndex() const { return viewingIndex_; }
    void setViewingIndex(int index);
    // The same as a row: -1 when nothing is shown or it is hidden by the find box.
    int viewingRow() const { return viewingIndex_ < 0 ? -1 : rowOfIndex(viewingIndex_); }

    // A click on a column header (0-based), with the list's sort rules: the
    // same column flips the order, another column sorts ascending.
    void columnClicked(int column);
    bool isSorted() const { return sorted_; }
    int sortKey() const { return sortKey_; }
    bool ascending() const { return ascending_; }
    // Puts a sort state back as it was (after the lock).
    void restoreSort(bool sorted, int key, bool ascending);

    // The find box's text: only accounts holding every word are shown.
    void setFindText(const QString& text);
    const QString& findText() const { return findText_; }
    bool isFiltered() const { return !words_.isEmpty(); }

    void setIcons(const QIcon& account, const QIcon& sortUp, const QIcon& sortDown);

    // The column headings, in column order.
    static QString heading(int column);

private:
    void applySort();
    // Recomputes which accounts are shown; narrowing looks only at those shown now.
    void refilter(bool narrowing);
    const QString& searchText(std::size_t index) const;
    void forgetSearchText(std::size_t index);

    std::vector<Account> accounts_;
    std::vector<Removal> removals_;
    bool masked_ = false;
    int viewingIndex_ = -1;
    bool sorted_ = false;
    int sortKey_ = 0;
    bool ascending_ = true;
    QCollator collator_;

    QString findText_;
    QStringList words_;
    std::vector<int> shown_; // indexes in row order, while filtered
    // Folded search texts by index, made when a find first needs them.
    mutable std::vector<QString> searchTexts_;

    QIcon accountIcon_;
    QIcon sortUpIcon_;
    QIcon sortDownIcon_;
};

} // namespace lb
