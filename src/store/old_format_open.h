#pragma once
// Opening a file of the old text format, which this program reads but never
// writes: the warning that a save will convert it, the refusals, and the
// notice about characters the current format cannot keep.

#include "core/secret.h"
#include "platform/file_io.h"

#include <QString>
#include <string_view>

namespace lb {

class AccountWindow;

// Called by ReadAccountFile, busy, once the file's bytes are known to be of
// the old format; the caller ends the busy state. True when the file was read
// and is now the open file (saved as a classic file by the next Save).
bool ReadLegacyFile(AccountWindow& w, const QString& path, std::string_view fileBytes,
                    SecretBytes password, FileStamp stamp);

} // namespace lb
