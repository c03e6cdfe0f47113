#include "store/table_edits.h"

#include "platform/account_text.h"
#include "store/account_table_model.h"

namespace lb {

QString quotedName(const Account& account) {
    constexpr qsizetype kLongest = 40;
    QString name = toQString(account.name);
    name.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (name.size() > kLongest) {
        name = name.left(kLongest - 1) + QChar(0x2026);
    }
    return QLatin1Char('\'') + name + QLatin1Char('\'');
}

AddStep::AddStep(AccountTableModel& table, Account account, ShowAccount show)
    : QUndoCommand(QStringLiteral("Add %1").arg(quotedName(account))), table_(table),
      account_(std::move(account)), show_(std::move(show)) {}

void AddStep::redo() {
    show_(table_.insert(account_));
}

void AddStep::undo() {
    const int index = table_.indexOfId(account_.id);
    if (index >= 0) {
        // An added account that goes again was never there: no removal to merge.
        account_ = table_.removeAt(index);
        table_.forgetRemoval(account_.id);
    }
    show_(-1);
}

RemoveStep::RemoveStep(AccountTableModel& table, int index, ShowAccount show)
    : QUndoCommand(QStringLiteral("Remove %1")
                       .arg(quotedName(table.accounts()[static_cast<std::size_t>(index)]))),
      table_(table), index_(index), show_(std::move(show)) {
    account_.id = table.accounts()[static_cast<std::size_t>(index)].id;
}

void RemoveStep::redo() {
    const int index = table_.indexOfId(account_.id);
    if (index < 0) {
        return;
    }
    index_ = index;
    const int row = table_.rowOfIndex(index);
    account_ = table_.removeAt(index);
    // The row that moved into its place is shown, or the last one.
    const int shown = std::min(row, table_.size() - 1);
    show_(row >= 0 && shown >= 0 ? table_.indexOfRow(shown) : -1);
}

void RemoveStep::undo() {
    show_(table_.insert(account_, std::min(index_, table_.totalCount())));
}

FieldStep::FieldStep(AccountTableModel& table, Account before, Account after, Field field,
                     int visit, const QString& text, ShowAccount show)
    : QUndoCommand(text), table_(table), before_(std::move(before)), after_(std::move(after)),
      field_(field), visit_(visit), show_(std::move(show)) {}

void FieldStep::put(const Account& version) {
    const int index = table_.indexOfId(version.id);
    if (index >= 0) {
        table_.setAccount(index, version);
        show_(index);
    }
}

void FieldStep::redo() {
    // The change is already in the table when the step is pushed.
    if (first_) {
        first_ = false;
        return;
    }
    put(after_);
}

void FieldStep::undo() {
    put(before_);
}

bool FieldStep::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const FieldStep*>(other);
    if (next->after_.id != after_.id || next->field_ != field_ || next->visit_ != visit_) {
        return false;
    }
    after_ = next->after_;
    return true;
}

TableStep::TableStep(AccountTableModel& table, AccountTable before, AccountTable after,
                     const QString& text, ShowAccount show)
    : QUndoCommand(text), table_(table), before_(std::move(before)), after_(std::move(after)),
      show_(std::move(show)) {}

void TableStep::put(const AccountTable& version) {
    table_.replaceAll(version.accounts, version.removals);
    show_(table_.totalCount() > 0 ? 0 : -1);
}

void TableStep::redo() {
    put(after_);
}

void TableStep::undo() {
    put(before_);
}

} // namespace lb
