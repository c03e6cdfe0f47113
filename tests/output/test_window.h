#pragma once
// The narrow main-window surface the export and print flows use, over a real
// account table, for driving those flows without the whole main window.

#include "store/account_table_model.h"
#include "store/account_window.h"
#include "store/current_file.h"

#include <QWidget>

namespace lb::test {

class TestWindow : public AccountWindow {
public:
    explicit TestWindow(std::vector<Account> accounts, bool masked = false) {
        table_.replaceAll(std::move(accounts));
        table_.setMasked(masked);
    }

    QWidget* window() override { return &widget_; }
    AccountTableModel& table() override { return table_; }
    CurrentFile& currentFile() override { return file_; }
    void SetStatusText(const QString& text) override { statusTexts.push_back(text); }
    void BeginBusy() override { ++busyCalls; }
    void EndBusy() override { ++busyCalls; }
    void ClearDetailView() override {}
    void ShowAccount(int) override {}
    bool QuerySave() override { return true; }

    std::vector<QString> statusTexts;
    int busyCalls = 0;

private:
    QWidget widget_;
    AccountTableModel table_;
    CurrentFile file_;
};

} // namespace lb::test
