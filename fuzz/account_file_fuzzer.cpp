// Hostile bytes into the current-format reader. Whatever it accepts must
// survive a write and a second read unchanged.

#include "fuzz_password.h"
#include "store/account_file.h"

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
    const lb::ReadResult first = lb::readAccountFile(bytes, lb::fuzz::kPassword);
    if (first.outcome != lb::ReadOutcome::Read) {
        if (!first.accounts.empty() ||
            (first.outcome == lb::ReadOutcome::Damaged && first.error.number < 1001)) {
            std::abort();
        }
        return 0;
    }
    MiddleDraws draws;
    const std::string again = lb::writeAccountFile(first.accounts, lb::fuzz::kPassword, draws);
    const lb::ReadResult second = lb::readAccountFile(again, lb::fuzz::kPassword);
    if (second.outcome != lb::ReadOutcome::Read || second.accounts != first.accounts) {
        std::abort();
    }
    return 0;
}
