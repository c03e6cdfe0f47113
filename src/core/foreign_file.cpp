#include "core/foreign_file.h"

#include <algorithm>

namespace lb {
namespace {

bool startsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

// Text that holds a line with a comma or a tab among its first bytes: an
// export of some program, most likely.
bool looksLikeSeparatedText(std::string_view bytes) {
    std::string_view head = bytes.substr(0, 4096);
    if (startsWith(head, "\xEF\xBB\xBF")) {
        head.remove_prefix(3);
    }
    if (head.empty()) {
        return false;
    }
    const bool printable = std::all_of(head.begin(), head.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 0x20 || c == '\r' || c == '\n' || c == '\t';
    });
    const std::string_view firstLine = head.substr(0, head.find_first_of("\r\n"));
    return printable && firstLine.find_first_of(",\t;") != std::string_view::npos;
}

} // namespace

std::string foreignFileHint(std::string_view bytes) {
    // KeePass 2 (.kdbx) and KeePass 1 (.kdb) databases: two signature words.
    if (startsWith(bytes, "\x03\xD9\xA2\x9A\x67\xFB\x4B\xB5") ||
        startsWith(bytes, "\x03\xD9\xA2\x9A\x65\xFB\x4B\xB5")) {
        return "It is a KeePass database. To bring its accounts here, export them from KeePassXC "
               "as a CSV file and choose File > Import.";
    }
    if (startsWith(bytes, "SQLite format 3")) {
        return "It is an SQLite database, as browsers keep their passwords in. Export the "
               "passwords from the browser as a CSV file and choose File > Import.";
    }
    if (startsWith(bytes, "PK\x03\x04")) {
        return "It is a ZIP archive. If it holds an export of another password manager, unpack "
               "it and choose File > Import for the CSV file inside.";
    }
    if (startsWith(bytes, "{") || startsWith(bytes, "\xEF\xBB\xBF{")) {
        return "It is a JSON document. Lockerbook imports CSV exports: choose File > Import.";
    }
    if (looksLikeSeparatedText(bytes)) {
        return "It looks like a CSV file, perhaps another program's export. To bring its "
               "accounts here, choose File > Import.";
    }
    return {};
}

} // namespace lb
