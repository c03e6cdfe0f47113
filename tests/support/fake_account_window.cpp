#include "fake_account_window.h"

#include "dialogs/password_prompt.h"

#include <QApplication>

namespace lb::test {

FakeAccountWindow::FakeAccountWindow() {
    setGeometry(200, 150, 400, 300);
    show();
}

FakeAccountWindow::~FakeAccountWindow() {
    if (busy_) {
        QApplication::restoreOverrideCursor();
    }
}

void FakeAccountWindow::BeginBusy() {
    if (!busy_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    busy_ = true;
    setEnabled(false);
}

void FakeAccountWindow::EndBusy() {
    if (busy_) {
        QApplication::restoreOverrideCursor();
    }
    busy_ = false;
    setEnabled(true);
    statusText.clear();
}

void FakeAccountWindow::ClearDetailView() {
    table_.setViewingIndex(-1);
    shownRow = -1;
}

void FakeAccountWindow::showAccount(int row) {
    table_.setViewingIndex(table_.indexOfRow(row));
    shownRow = row;
}

void FakeAccountWindow::tableReplaced() {
    file_.importedFrom.clear();
    titleNote.clear();
}

bool FakeAccountWindow::QuerySave() {
    return querySaveAnswer;
}

void FakeAccountWindow::recordStep(QUndoCommand* step) {
    history.push(step);
}

std::optional<SecretBytes> FakeAccountWindow::askCheckedPassword(const PasswordCheck& check) {
    return ui::GetCheckedPassword(this, check);
}

QString FakeAccountWindow::askPassword(bool confirm) {
    return ui::GetPassword(this, confirm);
}

} // namespace lb::test
