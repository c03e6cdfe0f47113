#pragma once
// What an import says about the file it was given, in the same words in the
// window and in lockerbook-cli: why nothing can be imported, and which
// columns of the file were left out. Pure.

#include "core/import_sources.h"

#include <string>

namespace lb {

// Why the file cannot be imported, one line after another without a final
// line break: the refusal, or the columns left out and the rows that cannot
// be stored as they stand (the first twenty, then how many more); and, when
// the source was to be told by the header line (told) and no known one was
// found, that the file was read as Lockerbook's own export. Empty when the
// accounts can be imported.
std::string importFailureText(const ImportResult& result, bool told);

// "Not imported, as a KeePassXC export has no such column: "Tags"."; empty
// when the file has no column the source does not know.
std::string unknownColumnsText(const ImportResult& result);

} // namespace lb
