#pragma once
// Opening a file of the old text format, which this program reads but never
// writes: the warning that a save will convert it, the refusals, and the
// notice about characters the current format cannot keep.

#include "core/decode_result.h"
#include "core/secret.h"
#include "platform/file_io.h"

#include <QString>
#include <string_view>

namespace lb {

class AccountWindow;

// Called by ReadAccountFile, busy, once an old-format file was read with its
// password; the caller ends the busy state. True when the person accepts the
// conversion and the file is now the open file (saved as a classic file by
// the next Save).
bool ReadLegacyFile(AccountWindow& w, const QString& path, DecodeResult result,
                    SecretBytes password, FileStamp stamp);

} // namespace lb
