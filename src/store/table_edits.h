#pragma once
// Every change to the account table as a step that can be undone and redone
// (QUndoStack): adding and removing an account, changing its fields (one step
// per visit to a field, however many keys were pressed), and replacing the
// whole table at once (a merge). Steps find their account by its identity, so
// sorting and finding between a change and its undo do not matter. After each
// undo or redo the account it touched is shown.

#include "core/account.h"

#include <QUndoCommand>
#include <functional>

namespace lb {

class AccountTableModel;

// What a step does after it ran: shows the account at index (-1: none).
using ShowAccount = std::function<void(int index)>;

// Adds an account at the end or at its sorted place.
class AddStep : public QUndoCommand {
public:
    AddStep(AccountTableModel& table, Account account, ShowAccount show);
    void redo() override;
    void undo() override;

private:
    AccountTableModel& table_;
    Account account_;
    ShowAccount show_;
};

// Removes the account at index; undoing it brings it back where it stood.
class RemoveStep : public QUndoCommand {
public:
    RemoveStep(AccountTableModel& table, int index, ShowAccount show);
    void redo() override;
    void undo() override;

private:
    AccountTableModel& table_;
    int index_;
    Account account_; // while removed
    ShowAccount show_;
};

// One account before and after a change of its fields. Steps of the same
// visit to the same field merge into one.
class FieldStep : public QUndoCommand {
public:
    FieldStep(AccountTableModel& table, Account before, Account after, Field field, int visit,
              const QString& text, ShowAccount show);
    void redo() override;
    void undo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void put(const Account& version);

    AccountTableModel& table_;
    Account before_;
    Account after_;
    Field field_;
    int visit_;
    ShowAccount show_;
    bool first_ = true;
};

// The whole table and its removals before and after (a merge).
class TableStep : public QUndoCommand {
public:
    TableStep(AccountTableModel& table, AccountTable before, AccountTable after,
              const QString& text, ShowAccount show);
    void redo() override;
    void undo() override;

private:
    void put(const AccountTable& version);

    AccountTableModel& table_;
    AccountTable before_;
    AccountTable after_;
    ShowAccount show_;
};

// "'Bank'": an account's name as the Edit menu quotes it, shortened when long.
QString quotedName(const Account& account);

} // namespace lb
