#pragma once
// The desktop's trash: a file moved there is out of the person's way, yet
// still theirs to bring back or to empty for good.

#include <QString>
#include <optional>

namespace lb {

// Moves the file at path (a name as paths.h gives it) to the trash; nothing
// when it went, otherwise why it did not.
std::optional<QString> moveToTrash(const QString& path);

} // namespace lb
