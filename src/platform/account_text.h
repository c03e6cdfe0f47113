#pragma once
// Account text is UTF-8 in the core and QString on screen: this is the one
// conversion pair between them, and the one place that knows what a person
// sees as one character (a grapheme cluster: "é" typed as e and a combining
// accent, a flag, an emoji with its skin tone), which is what the typing
// limits count and what a mask shows one asterisk for.

#include "core/secret.h"

#include <QString>

class QLineEdit;
#include <optional>
#include <string>
#include <string_view>

namespace lb {

QString toQString(std::string_view utf8);
std::string toAccountText(const QString& text);
// The same, straight into locked memory, for a typed password.
SecretBytes toSecretText(const QString& text);

// The number of characters as a person sees them.
qsizetype visibleLength(const QString& text);

// One asterisk for each character as a person sees it; empty for empty text.
QString MaskText(const QString& text);
std::string maskOf(std::string_view utf8);

// The first character that a legacy-format (classic) file cannot keep: one
// outside Windows-1252, or ÿ (code 255); nothing when every one can be kept.
std::optional<char32_t> firstClassicUnkeepable(const QString& text);

// Overwrites the characters of a text that nothing else shares, before it is
// let go; a shared text is left as it is (its other holder wipes it).
void wipeText(QString& text);

// Overwrites the text a box holds, in the box's own memory, and empties it.
// A QString still sharing that text (from text()) is wiped with it.
void wipeBoxText(QLineEdit* box);

} // namespace lb
