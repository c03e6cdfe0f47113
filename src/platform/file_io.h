#pragma once
// Whole-file reads and crash-safe whole-file writes for account and export
// files. A write goes to a temporary file in the same folder, is flushed to
// disk and only then renamed over the old file, so a failed write leaves the
// old file byte for byte as it was and no temporary file behind. Plain POSIX
// calls are used so that a failure carries its real errno; paths are bytes,
// exactly as the file system has them.

#include "core/error.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lb {

// A new file is created readable and writable by its owner only (0600); an
// existing file keeps its permissions.
std::optional<Error> writeFileSafely(const std::string& path, std::string_view bytes);

// Reads the whole file into bytes.
std::optional<Error> readWholeFile(const std::string& path, std::string& bytes);

// For fault tests: called before each chunk is written with the bytes written
// so far; a non-zero errno makes that write fail as if the system had refused
// it (a full disk, for example). An empty function removes the hook.
using WriteFaultHook = std::function<int(std::size_t writtenSoFar)>;
void setWriteFaultHook(WriteFaultHook hook);

} // namespace lb
