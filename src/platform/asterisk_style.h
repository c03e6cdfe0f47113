#pragma once
// Password boxes draw one asterisk per character, whatever character the
// desktop's style would use, so the screen matches the "*" masks elsewhere.

class QStyle;

namespace lb {

// A style for password boxes: the application's own style, but with "*" as the
// password character. Owned by the application; the same object for every box.
QStyle* asteriskPasswordStyle();

} // namespace lb
