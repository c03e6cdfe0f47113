#pragma once
// Account files of every kind, told apart by their first bytes, never by
// their names: the sealed file (real encryption, the kind new files get), the
// classic file (the cipher older copies of the program read), and the old
// text format (read only).

#include "core/account.h"
#include "core/decode_result.h"
#include "core/random_source.h"
#include "core/sealed_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace lb {

enum class FileKind { Sealed, Classic, Legacy };

// By the magic bytes: the sealed magic, an old text file's first line, and
// anything else is for the classic reader to judge by its signature.
FileKind fileKindOf(std::string_view fileBytes);

// Decodes a file of any kind; password is the master password in UTF-8 as
// typed. A file that is no account file but looks like something else says so
// in whatItIs.
DecodeResult decodeAccountFile(std::string_view fileBytes, std::string_view password);

// The bytes of a sealed or a classic file (the old text format is never
// written); random draws the classic file's shifts, cost is the sealed file's.
// Classic files keep no identities, times or removals. Throws
// std::length_error for a table whose file would pass kMaxFileBytes, and
// std::domain_error for text a classic file cannot keep.
std::string encodeAccountFile(FileKind kind, const std::vector<Account>& accounts,
                              const std::vector<Removal>& removals, std::string_view password,
                              RandomSource& random, KdfCost cost);

} // namespace lb
