#pragma once
// What every reader's result comes to. A reader builds its accounts off to
// the side and hands them over here only once the whole file was read, so a
// failed open leaves the table and the open file's state exactly as they were.

#include "core/account_file.h"
#include "core/decode_result.h"
#include "core/secret.h"
#include "platform/file_io.h"

#include <QString>

namespace lb {

class AccountWindow;

// A refusal or a damaged file is reported in its own words and gives false.
// Read accounts are swapped into the table, the first one is shown, and the
// file becomes the open one: its path, its password, the kind a save writes,
// what it was on disk, nothing unsaved.
bool takeDecodedFile(AccountWindow& w, const QString& path, SecretBytes password, FileKind kind,
                     FileStamp stamp, DecodeResult result);

} // namespace lb
