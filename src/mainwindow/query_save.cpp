// QuerySave: whether unsaved changes are to be saved before the open file is
// dropped (new file, open, exit).

#include "mainwindow/frm_main.h"
#include "platform/message_box.h"
#include "platform/settings.h"
#include "platform/texts.h"
#include "store/save_file.h"

namespace lb {

bool FrmMain::QuerySave() {
    if (file_.FileSaved) {
        return true;
    }
    if (settings::optionOn(settings::kAutoSave, false)) {
        return SaveFile(*this);
    }
    const auto answer = ui::showMessage(
        this,
        ui::Message{texts::kAppName,
                    QStringLiteral("Do you want to save the current file before closing it?"),
                    QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    QMessageBox::Cancel, QMessageBox::Cancel});
    switch (answer) {
    case QMessageBox::Yes:
        return SaveFile(*this);
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

} // namespace lb
