#include "store/account_table_model.h"

#include "core/account_order.h"
#include "platform/ansi_text.h"

#include <QFont>

namespace lb {

AccountTableModel::AccountTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int AccountTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : size();
}

int AccountTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFieldCount;
}

QString AccountTableModel::heading(int column) {
    switch (column) {
    case 0:
        return QStringLiteral("Account Name");
    case 1:
        return QStringLiteral("User Name");
    case 2:
        return QStringLiteral("Password");
    case 3:
        return QStringLiteral("URL");
    default:
        return QStringLiteral("Notes");
    }
}

QVariant AccountTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= size()) {
        return {};
    }
    const Account& a = account(index.row());
    const auto field = static_cast<Field>(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return toQString(shownText(a, field, masked_));
    case Qt::FontRole:
        if (index.row() == viewingRow_) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::DecorationRole:
        if (index.column() == 0) {
            return accountIcon_;
        }
        return {};
    default:
        return {};
    }
}

QVariant AccountTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kFieldCount) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return heading(section);
    }
    if (role == Qt::DecorationRole && sorted_ && section == sortKey_) {
        return ascending_ ? sortUpIcon_ : sortDownIcon_;
    }
    return {};
}

Qt::ItemFlags AccountTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void AccountTableModel::replaceAll(std::vector<Account> accounts) {
    beginResetModel();
    accounts_ = std::move(accounts);
    viewingRow_ = -1;
    endResetModel();
    if (sorted_) {
        applySort();
    }
}

int AccountTableModel::append(Account account) {
    const auto row = static_cast<int>(sorted_ ? sortedInsertPosition(accounts_, account,
                                                                     static_cast<Field>(sortKey_),
                                                                     masked_, ascending_)
                                              : accounts_.size());
    beginInsertRows({}, row, row);
    accounts_.insert(accounts_.begin() + row, std::move(account));
    if (viewingRow_ >= row) {
        ++viewingRow_;
    }
    endInsertRows();
    return row;
}

void AccountTableModel::removeAt(int row) {
    if (row < 0 || row >= size()) {
        return;
    }
    beginRemoveRows({}, row, row);
    accounts_.erase(accounts_.begin() + row);
    if (viewingRow_ == row) {
        viewingRow_ = -1;
    } else if (viewingRow_ > row) {
        --viewingRow_;
    }
    endRemoveRows();
}

void AccountTableModel::setField(int row, Field field, std::string value) {
    if (row < 0 || row >= size()) {
        return;
    }
    accounts_[static_cast<std::size_t>(row)].field(field) = std::move(value);
    const QModelIndex cell = index(row, static_cast<int>(field));
    emit dataChanged(cell, cell, {Qt::DisplayRole});
}

void AccountTableModel::setMasked(bool masked) {
    if (masked_ == masked) {
        return;
    }
    masked_ = masked;
    if (!accounts_.empty()) {
        emit dataChanged(index(0, 2), index(size() - 1, 2), {Qt::DisplayRole});
    }
}

void AccountTableModel::setViewingRow(int row) {
    const int previous = viewingRow_;
    viewingRow_ = (row >= 0 && row < size()) ? row : -1;
    for (int r : {previous, viewingRow_}) {
        if (r >= 0) {
            emit dataChanged(index(r, 0), index(r, kFieldCount - 1), {Qt::FontRole});
        }
    }
}

void AccountTableModel::columnClicked(int column) {
    if (column < 0 || column >= kFieldCount) {
        return;
    }
    const int previousKey = sortKey_;
    if (column == sortKey_) {
        // The first click on the starting column flips the designed ascending order.
        ascending_ = !ascending_;
    } else {
        ascending_ = true;
        sortKey_ = column;
    }
    sorted_ = true;
    emit headerDataChanged(Qt::Horizontal, std::min(previousKey, column),
                           std::max(previousKey, column));
    applySort();
}

void AccountTableModel::applySort() {
    if (accounts_.size() < 2) {
        return;
    }
    const std::vector<std::size_t> order =
        sortedOrder(accounts_, static_cast<Field>(sortKey_), masked_, ascending_);
    std::vector<int> newRowOf(order.size());
    for (std::size_t newRow = 0; newRow < order.size(); ++newRow) {
        newRowOf[order[newRow]] = static_cast<int>(newRow);
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<Account> sorted;
    sorted.reserve(accounts_.size());
    for (std::size_t oldRow : order) {
        sorted.push_back(std::move(accounts_[oldRow]));
    }
    accounts_ = std::move(sorted);
    if (viewingRow_ >= 0) {
        viewingRow_ = newRowOf[static_cast<std::size_t>(viewingRow_)];
    }
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& i : from) {
        to << index(newRowOf[static_cast<std::size_t>(i.row())], i.column());
    }
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void AccountTableModel::setIcons(const QIcon& account, const QIcon& sortUp, const QIcon& sortDown) {
    accountIcon_ = account;
    sortUpIcon_ = sortUp;
    sortDownIcon_ = sortDown;
}

} // namespace lb
