#include "fake_window.h"

#include <QApplication>

namespace lb::test {

FakeWindow::FakeWindow() {
    resize(400, 300);
    show();
}

FakeWindow::~FakeWindow() {
    if (busy_) {
        QApplication::restoreOverrideCursor();
    }
}

void FakeWindow::SetStatusText(const QString& text) {
    status_ = text;
    statusLog.push_back(text);
}

void FakeWindow::BeginBusy() {
    if (!busy_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    busy_ = true;
    setEnabled(false);
}

void FakeWindow::EndBusy() {
    if (busy_) {
        QApplication::restoreOverrideCursor();
    }
    busy_ = false;
    setEnabled(true);
    SetStatusText(QString());
}

void FakeWindow::ClearDetailView() {
    table_.setViewingRow(-1);
    shownRow = -1;
}

void FakeWindow::ShowAccount(int row) {
    table_.setViewingRow(row);
    shownRow = row;
}

bool FakeWindow::QuerySave() {
    ++querySaveCalls;
    return querySaveAnswer;
}

} // namespace lb::test
