#pragma once
// A stand-in for the main window in tests of the store's flows: a real
// account table and open-file state, the real password prompt (answered by a
// FakeUser), and a record of what a person would see: the status texts, the
// busy state with its pointer, the account shown, the questions asked.

#include "store/account_table_model.h"
#include "store/account_window.h"
#include "store/current_file.h"

#include <QString>
#include <QUndoStack>
#include <QWidget>
#include <vector>

namespace lb::test {

class FakeAccountWindow : public QWidget, public AccountWindow {
public:
    FakeAccountWindow();
    ~FakeAccountWindow() override;

    QWidget* window() override { return this; }
    AccountTableModel& table() override { return table_; }
    CurrentFile& currentFile() override { return file_; }
    void SetStatusText(const QString& text) override { statusText = text; }
    void setTitleNote(const QString& note) override { titleNote = note; }
    void BeginBusy() override;
    void EndBusy() override;
    void ClearDetailView() override;
    void showAccount(int row) override;
    bool QuerySave() override;
    void tableSaved() override {}
    // Steps go on history, which does them, as a window's history would.
    void recordStep(QUndoCommand* step) override;
    void tableReplaced() override;
    void markChangedOutsideHistory() override { file_.FileSaved = false; }
    QString askPassword(bool confirm) override;
    std::optional<SecretBytes> askCheckedPassword(const PasswordCheck& check) override;
    void showClearPrompt() override {}

    bool busy() const { return busy_; }
    int shownRow = -1; // -1 once the detail view was cleared
    QString titleNote;
    bool querySaveAnswer = true;
    // What the status bar shows; EndBusy empties it, as the window's does.
    QString statusText;
    QUndoStack history;

private:
    AccountTableModel table_;
    CurrentFile file_;
    bool busy_ = false;
};

} // namespace lb::test
