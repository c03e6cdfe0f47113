// Hostile bytes into the current-format reader. Whatever it accepts must
// survive a write and a second read unchanged.

#include "core/classic_file.h"
#include "fuzz_password.h"

#include <cstdint>
#include <cstdlib>

namespace {

class MiddleDraws final : public lb::RandomSource {
public:
    float next() override { return 0.5f; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const lb::DecodeResult first = lb::decodeClassicFile(bytes, lb::fuzz::kPassword);
    if (first.outcome != lb::DecodeOutcome::Read) {
        if (!first.accounts.empty() ||
            (first.outcome == lb::DecodeOutcome::Damaged && first.error.number < 1001)) {
            std::abort();
        }
        return 0;
    }
    // Code 255 reads back as ÿ, which the format cannot keep: such a table is
    // refused by the writer, not written.
    if (!lb::classicRefusals(first.accounts).empty()) {
        return 0;
    }
    MiddleDraws draws;
    const std::string again = lb::encodeClassicFile(first.accounts, lb::fuzz::kPassword, draws);
    const lb::DecodeResult second = lb::decodeClassicFile(again, lb::fuzz::kPassword);
    if (second.outcome != lb::DecodeOutcome::Read || second.accounts != first.accounts) {
        std::abort();
    }
    return 0;
}
