// Hostile bytes into the old-format reader.

#include "fuzz_password.h"
#include "store/legacy_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const lb::LegacyResult result = lb::readLegacyFile(bytes, lb::fuzz::kPassword);
    if (result.outcome != lb::LegacyOutcome::Read && !result.accounts.empty()) {
        std::abort();
    }
    if (result.outcome == lb::LegacyOutcome::Damaged && result.errorNumber < 1001) {
        std::abort();
    }
    return 0;
}
