#pragma once
// The columns of each program's export, by the names its header line gives
// them, and where each one's values go in an account. Used by the importer.

#include "core/import_sources.h"

#include <string>
#include <string_view>
#include <vector>

namespace lb {

// A group or folder becomes the first line of the notes, a one-time password
// secret and custom fields its last lines, so that nothing a person needs is
// lost when the export file is deleted; Type keeps Bitwarden's logins apart
// from its other items. Created and Modified keep the account's times.
enum class Target {
    Name,
    User,
    Password,
    Url,
    Notes,
    Group,
    Totp,
    Fields,
    Type,
    Created,
    Modified,
    Unused
};
inline constexpr int kTargetCount = static_cast<int>(Target::Unused);

struct ImportColumn {
    std::string_view header;
    Target target;
    bool required = false;
};

struct ImportLayout {
    ImportSource source;
    std::string_view commandName;
    std::string_view title;
    std::vector<ImportColumn> columns;
    std::string_view groupLabel; // "Folder" or "Group"; empty when the source has neither
    bool nameFromHost = false;   // Firefox gives no names: the URL's host is one
    // Firefox gives times as milliseconds since 1970, KeePassXC in ISO 8601.
    enum class Times { None, Iso, EpochMs } times = Times::None;
};

// The layouts of the sources with a header line, Lockerbook's own export aside.
const std::vector<ImportLayout>& importLayouts();

// The layout of source; nothing for Lockerbook's own export.
const ImportLayout* importLayoutOf(ImportSource source);

// The required columns of layout that header lacks, in the layout's order.
std::vector<std::string_view> missingColumns(const ImportLayout& layout,
                                             const std::vector<std::string>& header);

// The first layout whose required columns header all holds; nothing when none does.
const ImportLayout* layoutOfHeader(const std::vector<std::string>& header);

} // namespace lb
