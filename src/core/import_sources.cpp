#include "core/import_sources.h"

#include "core/classic_file.h"
#include "core/cp1252.h"
#include "core/csv_reader.h"
#include "core/import_layouts.h"
#include "core/iso_time.h"
#include "core/utf8.h"

#include <algorithm>
#include <array>
#include <unordered_set>

namespace lb {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kNoteLineBreak = "\r\n"; // as the notes box stores a line break

// Why a field cannot be kept, in the words of a refusal; empty when it can.
std::string whyUnkeepable(std::string_view utf8, TextLimits limits) {
    if (!utf8::isValid(utf8)) {
        return "is not valid UTF-8";
    }
    if (limits == TextLimits::Classic) {
        if (const auto c = classicUnkeepable(utf8)) {
            return "holds " + characterName(*c) + ", which the legacy format cannot keep";
        }
    }
    return {};
}

// A time as the source writes it; nothing when it gives none or none that reads.
std::optional<Timestamp> timeOf(std::string_view text, ImportLayout::Times form) {
    if (form == ImportLayout::Times::Iso) {
        return parseIsoTime(text);
    }
    if (form != ImportLayout::Times::EpochMs || text.empty() || text.size() > 15 ||
        text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    Timestamp t = 0;
    for (const char c : text) {
        t = t * 10 + (c - '0');
    }
    return t;
}

// The host of a URL, which Firefox gives in place of a name:
// "https://user@www.example.com:8080/login" gives "www.example.com".
std::string hostOf(std::string_view url) {
    if (const std::size_t scheme = url.find("://"); scheme != std::string_view::npos) {
        url.remove_prefix(scheme + 3);
    }
    url = url.substr(0, url.find_first_of("/?#"));
    if (const std::size_t at = url.rfind('@'); at != std::string_view::npos) {
        url.remove_prefix(at + 1);
    }
    if (!url.empty() && url.front() == '[') { // an IPv6 address keeps its brackets
        return std::string(url.substr(0, url.find(']') + 1));
    }
    return std::string(url.substr(0, url.find(':')));
}

// Other programs break lines with LF alone; the notes box stores CR LF.
std::string withNoteLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += kNoteLineBreak;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += text[i];
        }
    }
    return out;
}

void addNoteLine(std::string& notes, std::string_view line) {
    if (line.empty()) {
        return;
    }
    if (!notes.empty()) {
        notes += kNoteLineBreak;
    }
    notes += line;
}

std::string valuesText(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " value" : " values");
}

class Importer {
public:
    Importer(ImportResult& result, TextLimits limits, Timestamp now)
        : result_(result), limits_(limits), now_(now) {}

    // A value as UTF-8 (from Windows-1252 when the file is), or empty with
    // the problem noted when it cannot be kept.
    std::string text(std::string_view value, bool utf8, std::string_view column, std::size_t line) {
        std::string converted = utf8 ? std::string(value) : cp1252::toUtf8(value);
        if (std::string why = whyUnkeepable(converted, limits_); !why.empty()) {
            result_.problems.push_back({line, std::string(column), std::move(why)});
            return {};
        }
        return converted;
    }

    void rowProblem(std::size_t line, std::string what) {
        result_.problems.push_back({line, {}, std::move(what)});
    }

    Account fresh() const { return newAccount(now_); }

    void keep(Account account) { result_.accounts.push_back(std::move(account)); }

private:
    ImportResult& result_;
    TextLimits limits_;
    Timestamp now_;
};

void importOwnExport(const std::vector<CsvRow>& rows, bool utf8, Importer& importer) {
    for (const CsvRow& row : rows) {
        if (row.fields.size() != kFieldCount) {
            importer.rowProblem(row.line, valuesText(row.fields.size()) +
                                              " where a Lockerbook export has five (name, "
                                              "user, password, url, notes)");
            continue;
        }
        Account account = importer.fresh();
        for (int f = 0; f < kFieldCount; ++f) {
            account.field(static_cast<Field>(f)) =
                importer.text(row.fields[f], utf8, kMemberNames[f], row.line);
        }
        importer.keep(std::move(account));
    }
}

// Where each header column's values go; refuses a header that lacks a
// required column or names a known one twice.
std::vector<const ImportColumn*> columnsOf(const ImportLayout& layout,
                                           const std::vector<std::string>& header,
                                           ImportResult& result) {
    std::vector<const ImportColumn*> columns;
    columns.reserve(header.size());
    std::vector<bool> taken(layout.columns.size());
    std::unordered_set<std::string_view> unknownSeen;
    for (const std::string& name : header) {
        const auto known =
            std::find_if(layout.columns.begin(), layout.columns.end(),
                         [&name](const ImportColumn& c) { return c.header == name; });
        if (known == layout.columns.end()) {
            columns.push_back(nullptr);
            if (!name.empty() && unknownSeen.insert(name).second) {
                result.unknownColumns.push_back(name);
            }
            continue;
        }
        const auto index = static_cast<std::size_t>(known - layout.columns.begin());
        if (taken[index]) {
            result.refusal = "the header line names the column \"" + name + "\" twice";
        }
        taken[index] = true;
        columns.push_back(&*known);
    }
    const auto missing = missingColumns(layout, header);
    if (!missing.empty()) {
        result.refusal =
            std::string("the header line lacks the column") + (missing.size() == 1 ? " " : "s ");
        for (std::size_t i = 0; i < missing.size(); ++i) {
            result.refusal += (i == 0 ? "\"" : ", \"") + std::string(missing[i]) + "\"";
        }
    }
    return columns;
}

void importWithHeader(const std::vector<CsvRow>& rows, const ImportLayout& layout,
                      Importer& importer, ImportResult& result) {
    if (rows.empty()) {
        result.refusal = "the file is empty, without the header line that names the columns";
        return;
    }
    const std::vector<const ImportColumn*> columns = columnsOf(layout, rows.front().fields, result);
    if (!result.refusal.empty()) {
        return;
    }
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        if (row.fields.size() != columns.size()) {
            importer.rowProblem(row.line, valuesText(row.fields.size()) +
                                              " where the header line names " +
                                              std::to_string(columns.size()));
            continue;
        }
        std::array<std::string_view, kTargetCount> raw{};
        std::array<std::string_view, kTargetCount> header{};
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (columns[c] != nullptr && columns[c]->target != Target::Unused) {
                raw[static_cast<int>(columns[c]->target)] = row.fields[c];
                header[static_cast<int>(columns[c]->target)] = columns[c]->header;
            }
        }
        const auto value = [&raw](Target t) { return raw[static_cast<int>(t)]; };
        const auto text = [&](Target t) {
            return importer.text(value(t), true, header[static_cast<int>(t)], row.line);
        };
        if (layout.source == ImportSource::Bitwarden && value(Target::Type) != "login") {
            ++result.skippedNotLogin;
            continue;
        }
        const bool nameless =
            layout.nameFromHost ? hostOf(value(Target::Url)).empty() : value(Target::Name).empty();
        if (nameless && value(Target::User).empty() && value(Target::Password).empty()) {
            ++result.skippedEmpty;
            continue;
        }
        Account account = importer.fresh();
        account.url = text(Target::Url);
        account.name = layout.nameFromHost ? hostOf(account.url) : text(Target::Name);
        account.user = text(Target::User);
        account.password = text(Target::Password);
        if (const std::string group = text(Target::Group); !group.empty()) {
            addNoteLine(account.notes, std::string(layout.groupLabel) + ": " + group);
        }
        addNoteLine(account.notes, withNoteLineBreaks(text(Target::Notes)));
        if (const std::string totp = text(Target::Totp); !totp.empty()) {
            addNoteLine(account.notes, "TOTP: " + totp);
        }
        addNoteLine(account.notes, withNoteLineBreaks(text(Target::Fields)));
        const auto created = timeOf(value(Target::Created), layout.times);
        const auto modified = timeOf(value(Target::Modified), layout.times);
        if (created || modified) {
            account.created = created ? *created : *modified;
            account.modified = modified ? *modified : *created;
        }
        importer.keep(std::move(account));
    }
}

void importOwnFile(std::string_view bytes, Importer& importer, ImportResult& result) {
    // Lockerbook's own export is Windows-1252 unless its text needed UTF-8,
    // which its byte-order mark then says. An older export may start with
    // those bytes as text ("ï»¿"); what follows then is seldom UTF-8.
    const bool utf8 = bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark &&
                      utf8::isValid(bytes.substr(kByteOrderMark.size()));
    if (utf8) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    std::string error;
    if (const auto rows = readCsv(bytes, error)) {
        importOwnExport(*rows, utf8, importer);
    } else {
        result.refusal = error;
    }
}

} // namespace

std::optional<ImportSource> importSourceNamed(std::string_view name) {
    if (name == "lockerbook") {
        return ImportSource::Lockerbook;
    }
    for (const ImportLayout& layout : importLayouts()) {
        if (layout.commandName == name) {
            return layout.source;
        }
    }
    return std::nullopt;
}

std::string_view importSourceTitle(ImportSource source) {
    const ImportLayout* layout = importLayoutOf(source);
    return layout != nullptr ? layout->title : "Lockerbook's own export";
}

std::string importSummary(const ImportResult& result, std::size_t imported) {
    // Appended piece by piece: GCC 12 warns falsely on chains of + here.
    const auto counted = [](std::string& out, std::size_t count, const char* one,
                            const char* many) {
        out += std::to_string(count);
        out += ' ';
        out += count == 1 ? one : many;
    };
    std::string text = "Imported ";
    counted(text, imported, "account", "accounts");
    text += " from ";
    text += importSourceTitle(result.source);
    const std::size_t skipped = result.skippedEmpty + result.skippedNotLogin;
    if (skipped > 0) {
        text += "; skipped ";
        counted(text, skipped, "row", "rows");
        text += ':';
        if (result.skippedEmpty > 0) {
            text += ' ';
            text += std::to_string(result.skippedEmpty);
            text += " empty";
        }
        if (result.skippedNotLogin > 0) {
            text += result.skippedEmpty > 0 ? ", " : " ";
            text += std::to_string(result.skippedNotLogin);
            text += " not a login";
        }
    }
    return text;
}

ImportResult importExportFile(std::string_view bytes, std::optional<ImportSource> source,
                              TextLimits limits, Timestamp now) {
    ImportResult result;
    Importer importer(result, limits, now);
    if (source == ImportSource::Lockerbook) {
        importOwnFile(bytes, importer, result);
        return result;
    }
    // Other programs may start their UTF-8 with a byte-order mark.
    std::string_view utf8 = bytes;
    if (utf8.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        utf8.remove_prefix(kByteOrderMark.size());
    }
    std::string error;
    const auto rows = readCsv(utf8, error);
    const ImportLayout* layout = nullptr;
    if (source) {
        layout = importLayoutOf(*source);
    } else if (rows && !rows->empty()) {
        layout = layoutOfHeader(rows->front().fields);
    }
    if (layout == nullptr) {
        importOwnFile(bytes, importer, result);
        return result;
    }
    result.source = layout->source;
    if (!rows) {
        result.refusal = error;
        return result;
    }
    importWithHeader(*rows, *layout, importer, result);
    return result;
}

} // namespace lb
