#pragma once
// Opening a file of the old text format, which this program reads but never
// writes: the warning that a save will convert it, the refusals, and the
// notice about characters the current format cannot keep.

#include <QString>
#include <string>
#include <string_view>

namespace lb {

class AccountWindow;

// Called by ReadAccountFile, busy, once the file's bytes are known to be of
// the old format; the caller ends the busy state. True when the file was read
// and is now the open file (saved in the current format by the next Save).
bool ReadLegacyFile(AccountWindow& w, const QString& path, std::string_view fileBytes,
                    const std::string& password);

} // namespace lb
