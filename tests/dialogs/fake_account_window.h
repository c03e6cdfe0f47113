#pragma once
// A stand-in for the main window as the copy commands see it: a plain shown
// widget as the owner of their windows, and a record of every status text.

#include "store/account_table_model.h"
#include "store/account_window.h"
#include "store/current_file.h"

#include <QString>
#include <QWidget>
#include <vector>

namespace lb::test {

class FakeAccountWindow : public AccountWindow {
public:
    FakeAccountWindow() {
        widget.setGeometry(200, 150, 800, 600);
        widget.show();
    }

    QWidget* window() override { return &widget; }
    AccountTableModel& table() override { return model; }
    CurrentFile& currentFile() override { return file; }
    void SetStatusText(const QString& text) override { statusTexts.push_back(text); }
    void BeginBusy() override {}
    void EndBusy() override {}
    void ClearDetailView() override {}
    void ShowAccount(int) override {}
    bool QuerySave() override { return true; }

    QWidget widget;
    AccountTableModel model;
    CurrentFile file;
    std::vector<QString> statusTexts;
};

} // namespace lb::test
