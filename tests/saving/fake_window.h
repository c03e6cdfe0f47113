#pragma once
// A stand-in for the main window in flow tests: it owns a real account table
// and the open file's state, and records what a person would see of it, the
// status texts, the busy state with its pointer, and the account shown.

#include "store/account_table_model.h"
#include "store/account_window.h"
#include "store/current_file.h"

#include <QString>
#include <QWidget>
#include <vector>

namespace lb::test {

class FakeWindow : public QWidget, public AccountWindow {
public:
    FakeWindow();
    ~FakeWindow() override;

    QWidget* window() override { return this; }
    AccountTableModel& table() override { return table_; }
    CurrentFile& currentFile() override { return file_; }
    void SetStatusText(const QString& text) override;
    void BeginBusy() override;
    void EndBusy() override;
    void ClearDetailView() override;
    void ShowAccount(int row) override;
    bool QuerySave() override;

    bool busy() const { return busy_; }
    QString status() const { return status_; }
    // Every status text set, in order, the emptying by EndBusy included.
    std::vector<QString> statusLog;
    // The row shown in the detail pane, or -1 once it was cleared.
    int shownRow = -1;
    int querySaveCalls = 0;
    bool querySaveAnswer = true;

private:
    AccountTableModel table_;
    CurrentFile file_;
    QString status_;
    bool busy_ = false;
};

} // namespace lb::test
