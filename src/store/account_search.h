#pragma once
// What the find box matches: the words typed, each anywhere in an account's
// name, user name, URL or notes, ignoring letter case and accents ("zurich"
// finds "Zürich"). Passwords are never searched.

#include "core/account.h"

#include <QString>
#include <QStringList>

namespace lb {

// Decomposed, without its accents and other combining marks, case-folded.
QString foldForSearch(const QString& text);

// The folded words of the find box's text; none for blank text.
QStringList findWords(const QString& findText);

// An account's searchable text, folded: name, user name, URL and notes.
QString searchTextOf(const Account& account);

// True when every word stands somewhere in the folded text.
bool matchesAll(const QString& foldedText, const QStringList& words);

} // namespace lb
