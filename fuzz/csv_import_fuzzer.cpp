// Hostile bytes into the CSV reader and every import source; the first byte
// picks the source, or auto. A refused file yields no accounts, and whatever
// is imported must be valid UTF-8 and come back unchanged through the
// exporter and Lockerbook's own import.

#include "core/export_writer.h"
#include "core/import_sources.h"
#include "core/utf8.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr lb::ImportSource kSources[] = {lb::ImportSource::Chrome, lb::ImportSource::Firefox,
                                         lb::ImportSource::Bitwarden, lb::ImportSource::KeePassXC,
                                         lb::ImportSource::Lockerbook};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t pick = data[0] % (std::size(kSources) + 1);
    std::optional<lb::ImportSource> source;
    if (pick < std::size(kSources)) {
        source = kSources[pick];
    }
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const lb::ImportResult result = lb::importExportFile(bytes, source, lb::TextLimits::AnyText, 1);
    if (!result.refusal.empty()) {
        if (!result.accounts.empty() || !result.problems.empty()) {
            std::abort();
        }
        return 0;
    }
    if (!result.problems.empty()) {
        return 0;
    }
    for (const lb::Account& a : result.accounts) {
        for (int f = 0; f < lb::kFieldCount; ++f) {
            if (!lb::utf8::isValid(a.field(static_cast<lb::Field>(f)))) {
                std::abort();
            }
        }
    }
    const lb::ImportResult again =
        lb::importExportFile(lb::exportBytes(result.accounts, lb::ExportFormat::CommaSeparated),
                             lb::ImportSource::Lockerbook, lb::TextLimits::AnyText, 1);
    if (!again.refusal.empty() || !again.problems.empty() || again.accounts != result.accounts) {
        std::abort();
    }
    return 0;
}
