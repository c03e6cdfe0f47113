#include "platform/file_dialog.h"

#include "platform/modal_dialogs.h"

#include <QFileDialog>

namespace lb::ui {
namespace {

// What a test put in place of the real service; empty in the program.
FileDialogHook answer;

} // namespace

void setFileDialogHook(FileDialogHook h) {
    answer = std::move(h);
}

QStringList toNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& shown = parts[i];
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (shown.contains(QLatin1Char('(') + pattern + QLatin1Char(')'))) {
            result << shown;
        } else {
            result << shown + QStringLiteral(" (") + pattern + QLatin1Char(')');
        }
    }
    return result;
}

std::optional<FileDialogResult> askForFile(QWidget* parent, const FileDialogRequest& request) {
    if (dialogsRefused()) {
        return std::nullopt;
    }
    if (answer) {
        return answer(request);
    }
    QFileDialog dialog(parent, request.title);
    const QStringList filters = toNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.kind == FileDialogRequest::Kind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    // The extension is added only while one of its own file types is chosen.
    auto applySuffix = [&](const QString& chosen) {
        const int index = static_cast<int>(filters.indexOf(chosen)) + 1;
        dialog.setDefaultSuffix(index >= 1 && index <= request.suffixFilters ? request.defaultSuffix
                                                                             : QString());
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, applySuffix);
    if (request.selectedFilter >= 1 && request.selectedFilter <= filters.size()) {
        const QString& first = filters[request.selectedFilter - 1];
        dialog.selectNameFilter(first);
        applySuffix(first);
    }
    const ModalScope modal;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const int index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return FileDialogResult{dialog.selectedFiles().first(), index > 0 ? index : 1};
}

} // namespace lb::ui
