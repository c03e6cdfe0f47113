#pragma once
// The system clipboard: plain text in, everything out. A password is marked
// as secret so that clipboard managers keep it out of their history.
//
// What the program put there last is remembered as a digest, never as text,
// so that clearing on its own account (the clear prompt's Ok, the end of the
// run) empties only what it put there, and never what another program has
// put there since.

#include <QString>
#include <functional>

class QClipboard;

namespace lb {

enum class ClipboardText { Plain, Secret };

// Puts the text on the clipboard in place of whatever was there. False when
// no clipboard can be reached; nothing is changed then.
bool putTextOnClipboard(const QString& text, ClipboardText kind);

// Empties the clipboard in all formats, whichever program filled it: for the
// person's explicit "clear".
void ClearClipboard();

// True while the clipboard still holds the text the program put there last.
// Where the window system tells who owns the clipboard, another owner is
// answer enough, and that program is not even asked for its text.
bool clipboardHoldsOurs();
// Empties the clipboard only while it holds what the program put there.
void clearClipboardIfOurs();

// Where the clipboard comes from; a test stands in a clipboard that cannot be
// reached (null). An empty source restores the application's clipboard.
using ClipboardSource = std::function<QClipboard*()>;
void setClipboardSource(ClipboardSource source);

} // namespace lb
