// Hostile bytes into the old-format reader.

#include "core/legacy_file.h"
#include "fuzz_password.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const lb::DecodeResult result = lb::decodeLegacyFile(bytes, lb::fuzz::kPassword);
    if (result.outcome != lb::DecodeOutcome::Read && !result.accounts.empty()) {
        std::abort();
    }
    if (result.outcome == lb::DecodeOutcome::Damaged && result.error.number < 1001) {
        std::abort();
    }
    return 0;
}
