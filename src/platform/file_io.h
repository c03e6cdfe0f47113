#pragma once
// Whole-file reads and crash-safe whole-file writes for account and export
// files, careful of what sits at a path. Only regular files are read, never
// more than a ceiling, and opening one never waits (a pipe would). A write
// goes to an unnamed file in the target's folder, is flushed to disk, gets a
// name only when complete, and is then renamed over the old file: a failed or
// interrupted write leaves the old file byte for byte as it was, and what a
// save killed in between leaves is removed by the next save there. A symbolic
// link is written through and stays a link; a folder, device, pipe or socket
// is refused, and so is a file the user may not write. Plain POSIX calls, so
// that a failure carries its real errno; paths are bytes, exactly as the file
// system has them.

#include "core/error.h"
#include "core/file_limits.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lb {

// What a file on disk was when it was read or written: enough to tell that
// another program has replaced or changed it since.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0; // modification time, nanoseconds since 1970
    std::string digest;          // of the bytes
    bool operator==(const FileStamp&) const = default;
};

// Reads the whole file into bytes, and its stamp when asked.
std::optional<Error> readWholeFile(const std::string& path, std::string& bytes,
                                   FileStamp* stamp = nullptr);

// The file a path finally names through any symbolic links, the path itself
// when it is no link: a save replaces that file and leaves the links as they
// are. A link to nothing names the file it points to, which a save creates.
// Nothing when the links cannot be followed; error then holds the errno.
std::optional<std::string> linkTarget(std::string path, int& error);

// True when something other than a folder is at path. A device or a pipe
// counts: the reader then refuses it in its own words.
bool fileExistsAt(const std::string& path);

// True when anything at all is at path: a file, a folder, a device, a link
// to nothing.
bool pathTaken(const std::string& path);

// What is at path now; nothing when no file is there or it cannot be read.
std::optional<FileStamp> currentStamp(const std::string& path);

enum class Permissions {
    Kept,      // an existing file keeps its mode; a new one is its owner's alone (0600)
    OwnerOnly, // 0600 whatever was there: for exports, which hold passwords in clear
};

// Replaces the file at path with bytes, and gives the stamp of what it wrote when asked.
std::optional<Error> writeFileSafely(const std::string& path, std::string_view bytes,
                                     Permissions permissions = Permissions::Kept,
                                     FileStamp* stamp = nullptr);

// For fault tests: called before each chunk is written with the bytes written
// so far; a non-zero errno makes that write fail as if the system had refused
// it (a full disk, for example). An empty function removes the hook.
using WriteFaultHook = std::function<int(std::size_t writtenSoFar)>;
void setWriteFaultHook(WriteFaultHook hook);

// For tests of the fallback: when set, unnamed temporary files are not tried,
// as on a file system without them.
void setUnnamedTemporaryFiles(bool allowed);

} // namespace lb
