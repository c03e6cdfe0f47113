#include "platform/shell_open.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace lb::ui {
namespace {

// What a test put in place of the real service; empty in the program.
ShellHook answer;

} // namespace

void setShellHook(ShellHook h) {
    answer = std::move(h);
}

void openInShell(const QString& target) {
    if (answer) {
        answer(target);
        return;
    }
    if (!target.isEmpty() && QFileInfo::exists(target)) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(target));
        return;
    }
    QDesktopServices::openUrl(QUrl(target));
}

} // namespace lb::ui
