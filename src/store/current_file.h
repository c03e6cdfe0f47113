#pragma once
// Which file is open, with which master password, and whether the table has
// changes since the last new, open or save.

#include <QString>
#include <string>

namespace lb {

struct CurrentFile {
    QString CurrentFileName;     // empty for a file never opened or saved under a name
    std::string CurrentPassword; // Windows-1252 bytes; empty until a new file's first save
    bool FileSaved = true;
    // Numbers "New Account N" across the whole run; never reset, and wide
    // enough that it never wraps.
    long long NewAccountCounter = 0;
};

} // namespace lb
