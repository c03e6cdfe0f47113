#include "store/opened_file.h"

#include "store/account_table_model.h"
#include "store/account_window.h"
#include "store/current_file.h"

namespace lb {

void installOpenedFile(AccountWindow& w, const QString& path, std::string password,
                       std::vector<Account> accounts) {
    w.ClearDetailView();
    w.table().replaceAll(std::move(accounts));
    if (w.table().size() > 0) {
        w.ShowAccount(0);
    }
    CurrentFile& file = w.currentFile();
    file.CurrentPassword = std::move(password);
    file.CurrentFileName = path;
    file.FileSaved = true;
}

} // namespace lb
