#include "platform/shell_open.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace lb::ui {
namespace {

ShellHook& hook() {
    static ShellHook h;
    return h;
}

} // namespace

void setShellHook(ShellHook h) {
    hook() = std::move(h);
}

void openInShell(const QString& target) {
    if (hook()) {
        hook()(target);
        return;
    }
    if (!target.isEmpty() && QFileInfo::exists(target)) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(target));
        return;
    }
    QDesktopServices::openUrl(QUrl(target));
}

} // namespace lb::ui
