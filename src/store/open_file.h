#pragma once
// Open and the reader around the account-file codecs: the save-changes
// question, the Open dialog, the master password, the busy state, the status
// text and the refusals. Each returns true when a file was read and is now
// the open file; a cancelled dialog or a reported failure gives false and
// changes nothing.

#include <QString>

namespace lb {

class AccountWindow;

// Asks whether to save changes first, then for a path, then reads it.
bool OpenFile(AccountWindow& w);

// Asks for the file's master password and reads the file, current or old format.
bool ReadAccountFile(AccountWindow& w, const QString& path);

} // namespace lb
