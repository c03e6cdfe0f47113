#pragma once
// Save, Save As and the writer around the account-file codec: the Save
// dialog, the new file's master password, the busy state, the status text and
// the message of a failed save. Each returns true when the file was written;
// a cancelled dialog or a reported failure gives false.

#include "core/account_file.h"

#include <QString>

namespace lb {

class AccountWindow;

// Writes to the open file's path, or behaves as SaveFileAs when it has none.
bool SaveFile(AccountWindow& w);

// Asks for a path and a kind (a sealed file, or a classic one after a
// warning), writes there, and makes that path and kind the open file's.
bool SaveFileAs(AccountWindow& w);

// Writes a file of the given kind (sealed or classic), asking for a new master
// password first when the file has none (typed twice). A failed write leaves
// the file on disk as it was and the file unsaved, but keeps a password just
// chosen, so the next save asks only for the path.
bool WriteAccountFile(AccountWindow& w, const QString& path, FileKind kind);

} // namespace lb
