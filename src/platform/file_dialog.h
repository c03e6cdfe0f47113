#pragma once
// The common file dialog: a title, a filter in the "Shown|*.a|Other|*.b" form
// and the chosen type's 1-based number back. Tests answer it through a hook.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace lb::ui {

struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString filter; // "Shown text|pattern|Shown text|pattern"
    // The type chosen when the dialog opens (1-based).
    int selectedFilter = 1;
    // Save: the extension to add to a name typed without one while one of the
    // first suffixFilters types is chosen; empty adds nothing.
    QString defaultSuffix;
    int suffixFilters = 0;
};

struct FileDialogResult {
    QString path;
    int filterIndex = 1; // 1-based position of the chosen file type
};

// Nothing when the person cancels. Save asks before replacing a file; Open
// accepts only an existing file.
std::optional<FileDialogResult> askForFile(QWidget* parent, const FileDialogRequest& request);

// "A|*.a|B|*.b" to Qt's name filters, one per type, in order. The shown text is
// kept as it stands; the pattern is added in brackets only when it is not there yet.
QStringList toNameFilters(const QString& filter);

using FileDialogHook = std::function<std::optional<FileDialogResult>(const FileDialogRequest&)>;
void setFileDialogHook(FileDialogHook hook);

} // namespace lb::ui
