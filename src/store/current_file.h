#pragma once
// Which file is open, of which kind, with which master password, and whether
// the table has changes since the last new, open or save.

#include "core/account_file.h"
#include "core/secret.h"
#include "platform/file_io.h"

#include <QString>
#include <optional>

namespace lb {

struct CurrentFile {
    QString CurrentFileName;     // empty for a file never opened or saved under a name
    SecretBytes CurrentPassword; // UTF-8 as typed; empty until a new file's first save
    bool FileSaved = true;
    // Numbers "New Account N" across the whole run; never reset, and wide
    // enough that it never wraps.
    long long NewAccountCounter = 0;
    // The kind Save writes: sealed for a new file, the kind it was read in
    // otherwise (an old text file is saved as a classic one).
    FileKind kind = FileKind::Sealed;
    // What deriving a sealed file's key cost when it was read; nothing for a
    // file that was never sealed. See sealCost.
    std::optional<KdfCost> cost;
    // Whether the table's identities are the ones its file keeps, so that a
    // merge pairs accounts by them: false after reading a file that keeps
    // none, true for a new table and after a sealed save.
    bool identities = true;
    // The file as it was last read or written here, to notice another
    // program's change before a save replaces it; nothing for a new file.
    std::optional<FileStamp> diskStamp;
    // The export the table was imported from, until the table's first save:
    // that file holds every password in clear, and the person is then
    // reminded to delete it. Empty otherwise.
    QString importedFrom;
};

// The cost to seal the open file with: this program's, or the file's own
// where that is higher, so that a file made costlier elsewhere never becomes
// cheaper here.
KdfCost sealCost(const CurrentFile& file);

// Merging another version sealed at a higher cost keeps the higher one, for
// the same reason.
void raiseCost(CurrentFile& file, KdfCost other);

} // namespace lb
