#pragma once
// The system clipboard: plain text in, everything out. A password is marked
// as secret so that clipboard managers keep it out of their history.

#include <QString>
#include <functional>

class QClipboard;

namespace lb {

enum class ClipboardText { Plain, Secret };

// Puts the text on the clipboard in place of whatever was there. False when
// no clipboard can be reached; nothing is changed then.
bool putTextOnClipboard(const QString& text, ClipboardText kind);

// Empties the clipboard in all formats, whichever program filled it.
void ClearClipboard();

// Where the clipboard comes from; a test stands in a clipboard that cannot be
// reached (null). An empty source restores the application's clipboard.
using ClipboardSource = std::function<QClipboard*()>;
void setClipboardSource(ClipboardSource source);

} // namespace lb
