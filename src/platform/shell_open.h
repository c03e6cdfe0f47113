#pragma once
// Hands a path, a URL or a "mailto:" address to the desktop, which opens it
// with the program associated with it. Nothing waits and nothing is reported.

#include <QString>
#include <functional>

namespace lb::ui {

// A target that names an existing local file is opened as that file; any
// other text is handed over as a URL, unchanged.
void openInShell(const QString& target);

// Tests observe every hand-over through this hook instead of the desktop.
using ShellHook = std::function<void(const QString& target)>;
void setShellHook(ShellHook hook);

} // namespace lb::ui
