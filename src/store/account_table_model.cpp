#include "store/account_table_model.h"

#include "core/clock.h"
#include "platform/account_text.h"
#include "store/account_order.h"
#include "store/account_search.h"

#include <QFont>
#include <algorithm>

namespace lb {

AccountTableModel::AccountTableModel(QObject* parent)
    : QAbstractTableModel(parent), collator_(listCollator()) {}

AccountTableModel::~AccountTableModel() {
    wipe();
}

int AccountTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : size();
}

int AccountTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFieldCount;
}

int AccountTableModel::size() const {
    return static_cast<int>(isFiltered() ? shown_.size() : accounts_.size());
}

int AccountTableModel::indexOfRow(int row) const {
    return isFiltered() ? shown_[static_cast<std::size_t>(row)] : row;
}

int AccountTableModel::rowOfIndex(int index) const {
    if (index < 0 || index >= totalCount()) {
        return -1;
    }
    if (!isFiltered()) {
        return index;
    }
    const auto at = std::lower_bound(shown_.begin(), shown_.end(), index);
    return at != shown_.end() && *at == index ? static_cast<int>(at - shown_.begin()) : -1;
}

int AccountTableModel::indexOfId(const AccountId& id) const {
    const auto at = std::find_if(accounts_.begin(), accounts_.end(),
                                 [&id](const Account& a) { return a.id == id; });
    return at == accounts_.end() ? -1 : static_cast<int>(at - accounts_.begin());
}

const Account& AccountTableModel::account(int row) const {
    return accounts_[static_cast<std::size_t>(indexOfRow(row))];
}

QString AccountTableModel::heading(int column) {
    return QString::fromLatin1(
        kColumnHeadings[static_cast<std::size_t>(column)].data(),
        static_cast<qsizetype>(kColumnHeadings[static_cast<std::size_t>(column)].size()));
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
        // A masked password never becomes a text of its own on the way to its mask.
        if (field == Field::Password && masked_) {
            return QString::fromStdString(maskOf(a.password));
        }
        return toQString(a.field(field));
    case Qt::FontRole:
        if (indexOfRow(index.row()) == viewingIndex_) {
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

void AccountTableModel::replaceAll(std::vector<Account> accounts, std::vector<Removal> removals) {
    beginResetModel();
    for (QString& text : searchTexts_) {
        wipeText(text);
    }
    searchTexts_.clear();
    accounts_ = std::move(accounts);
    giveUniqueIdentities(accounts_);
    removals_ = std::move(removals);
    viewingIndex_ = -1;
    refilter(false);
    endResetModel();
    if (sorted_) {
        applySort();
    }
}

int AccountTableModel::insert(Account account, int index) {
    if (index < 0 || index > totalCount()) {
        index = static_cast<int>(sorted_ ? sortedInsertPosition(accounts_, account,
                                                                static_cast<Field>(sortKey_),
                                                                masked_, ascending_, collator_)
                                         : accounts_.size());
    }
    forgetRemoval(account.id);
    const bool shown = !isFiltered() || matchesAll(searchTextOf(account), words_);
    const int row = isFiltered()
                        ? static_cast<int>(std::lower_bound(shown_.begin(), shown_.end(), index) -
                                           shown_.begin())
                        : index;
    if (shown) {
        beginInsertRows({}, row, row);
    }
    accounts_.insert(accounts_.begin() + index, std::move(account));
    if (!searchTexts_.empty()) {
        searchTexts_.insert(searchTexts_.begin() + index, QString());
    }
    for (int& i : shown_) {
        i += i >= index ? 1 : 0;
    }
    if (isFiltered() && shown) {
        shown_.insert(shown_.begin() + row, index);
    }
    if (viewingIndex_ >= index) {
        ++viewingIndex_;
    }
    if (shown) {
        endInsertRows();
    }
    return index;
}

Account AccountTableModel::removeAt(int index) {
    const int row = rowOfIndex(index);
    if (row >= 0) {
        beginRemoveRows({}, row, row);
    }
    Account removed = std::move(accounts_[static_cast<std::size_t>(index)]);
    accounts_.erase(accounts_.begin() + index);
    if (!searchTexts_.empty()) {
        wipeText(searchTexts_[static_cast<std::size_t>(index)]);
        searchTexts_.erase(searchTexts_.begin() + index);
    }
    if (row >= 0 && isFiltered()) {
        shown_.erase(shown_.begin() + row);
    }
    for (int& i : shown_) {
        i -= i > index ? 1 : 0;
    }
    if (viewingIndex_ == index) {
        viewingIndex_ = -1;
    } else if (viewingIndex_ > index) {
        --viewingIndex_;
    }
    removals_.push_back({removed.id, nowMs(), removed.modified});
    if (row >= 0) {
        endRemoveRows();
    }
    return removed;
}

void AccountTableModel::forgetRemoval(const AccountId& id) {
    std::erase_if(removals_, [&id](const Removal& r) { return r.id == id; });
}

void AccountTableModel::setField(int index, Field field, std::string value) {
    changeField(accounts_[static_cast<std::size_t>(index)], field, std::move(value), nowMs());
    forgetSearchText(static_cast<std::size_t>(index));
    if (const int row = rowOfIndex(index); row >= 0) {
        const QModelIndex cell = this->index(row, static_cast<int>(field));
        emit dataChanged(cell, cell, {Qt::DisplayRole});
    }
}

void AccountTableModel::setAccount(int index, Account account) {
    accounts_[static_cast<std::size_t>(index)] = std::move(account);
    forgetSearchText(static_cast<std::size_t>(index));
    if (const int row = rowOfIndex(index); row >= 0) {
        emit dataChanged(this->index(row, 0), this->index(row, kFieldCount - 1));
    }
}

void AccountTableModel::markSaved() {
    for (Account& a : accounts_) {
        a.changedSinceSave = false;
    }
}

void AccountTableModel::wipe() {
    beginResetModel();
    // Each account overwrites its texts as it goes; the search texts are copies.
    accounts_.clear();
    accounts_.shrink_to_fit();
    removals_.clear();
    for (QString& text : searchTexts_) {
        wipeText(text);
    }
    searchTexts_.clear();
    wipeText(findText_);
    for (QString& word : words_) {
        wipeText(word);
    }
    words_.clear();
    shown_.clear();
    viewingIndex_ = -1;
    endResetModel();
}

void AccountTableModel::setMasked(bool masked) {
    if (masked_ == masked) {
        return;
    }
    masked_ = masked;
    if (size() > 0) {
        emit dataChanged(index(0, 2), index(size() - 1, 2), {Qt::DisplayRole});
    }
}

void AccountTableModel::setViewingIndex(int index) {
    const int previous = viewingRow();
    viewingIndex_ = (index >= 0 && index < totalCount()) ? index : -1;
    for (int r : {previous, viewingRow()}) {
        if (r >= 0) {
            emit dataChanged(this->index(r, 0), this->index(r, kFieldCount - 1), {Qt::FontRole});
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

void AccountTableModel::restoreSort(bool sorted, int key, bool ascending) {
    sorted_ = sorted;
    sortKey_ = std::clamp(key, 0, kFieldCount - 1);
    ascending_ = ascending;
    emit headerDataChanged(Qt::Horizontal, 0, kFieldCount - 1);
    if (sorted_) {
        applySort();
    }
}

void AccountTableModel::applySort() {
    if (accounts_.size() < 2) {
        return;
    }
    const std::vector<std::size_t> order =
        sortedOrder(accounts_, static_cast<Field>(sortKey_), masked_, ascending_, collator_);
    std::vector<int> newIndexOf(order.size());
    for (std::size_t newIndex = 0; newIndex < order.size(); ++newIndex) {
        newIndexOf[order[newIndex]] = static_cast<int>(newIndex);
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList from = persistentIndexList();
    std::vector<int> indexOfPersistent;
    indexOfPersistent.reserve(static_cast<std::size_t>(from.size()));
    for (const QModelIndex& i : from) {
        indexOfPersistent.push_back(indexOfRow(i.row()));
    }
    std::vector<Account> sorted;
    sorted.reserve(accounts_.size());
    for (std::size_t oldIndex : order) {
        sorted.push_back(std::move(accounts_[oldIndex]));
    }
    accounts_ = std::move(sorted);
    if (!searchTexts_.empty()) {
        std::vector<QString> texts(searchTexts_.size());
        for (std::size_t newIndex = 0; newIndex < order.size(); ++newIndex) {
            texts[newIndex] = std::move(searchTexts_[order[newIndex]]);
        }
        searchTexts_ = std::move(texts);
    }
    if (viewingIndex_ >= 0) {
        viewingIndex_ = newIndexOf[static_cast<std::size_t>(viewingIndex_)];
    }
    if (isFiltered()) {
        for (int& i : shown_) {
            i = newIndexOf[static_cast<std::size_t>(i)];
        }
        std::sort(shown_.begin(), shown_.end());
    }
    QModelIndexList to;
    to.reserve(from.size());
    for (qsizetype k = 0; k < from.size(); ++k) {
        const int newIndex =
            newIndexOf[static_cast<std::size_t>(indexOfPersistent[static_cast<std::size_t>(k)])];
        to << index(rowOfIndex(newIndex), from[k].column());
    }
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void AccountTableModel::setFindText(const QString& text) {
    QStringList words = findWords(text);
    findText_ = text;
    if (words == words_) {
        return;
    }
    // Each old word within a new one: what matches now matched before.
    const bool narrowing =
        !words_.isEmpty() && std::all_of(words_.begin(), words_.end(), [&words](const QString& w) {
            return std::any_of(words.begin(), words.end(),
                               [&w](const QString& n) { return n.contains(w); });
        });
    beginResetModel();
    words_ = std::move(words);
    refilter(narrowing);
    endResetModel();
}

void AccountTableModel::refilter(bool narrowing) {
    if (words_.isEmpty()) {
        shown_.clear();
        return;
    }
    std::vector<int> candidates;
    if (narrowing) {
        candidates.swap(shown_);
    } else {
        candidates.resize(accounts_.size());
        for (std::size_t i = 0; i < accounts_.size(); ++i) {
            candidates[i] = static_cast<int>(i);
        }
    }
    shown_.clear();
    for (const int i : candidates) {
        if (matchesAll(searchText(static_cast<std::size_t>(i)), words_)) {
            shown_.push_back(i);
        }
    }
}

const QString& AccountTableModel::searchText(std::size_t index) const {
    if (searchTexts_.size() != accounts_.size()) {
        searchTexts_.assign(accounts_.size(), QString());
    }
    QString& text = searchTexts_[index];
    if (text.isNull()) {
        text = searchTextOf(accounts_[index]);
    }
    return text;
}

void AccountTableModel::forgetSearchText(std::size_t index) {
    if (index < searchTexts_.size()) {
        wipeText(searchTexts_[index]);
        searchTexts_[index] = QString();
    }
}

void AccountTableModel::setIcons(const QIcon& account, const QIcon& sortUp, const QIcon& sortDown) {
    accountIcon_ = account;
    sortUpIcon_ = sortUp;
    sortDownIcon_ = sortDown;
}

} // namespace lb
