// Hostile bytes into the sealed-file reader. An input whose first byte is odd
// is taken as account records instead and sealed with the fuzzing password
// first, so that the records reader behind the seal is reached too. Whatever
// the reader accepts must survive a write and a second read unchanged.

#include "core/sealed_file.h"
#include "fuzz_password.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool records = (data[0] & 1) != 0;
    const std::string file =
        records ? lb::sealRecords(rest, lb::fuzz::kPassword, {1, 8}, lb::fuzz::quickKey)
                : std::string(rest);
    const lb::DecodeResult first =
        lb::decodeSealedFile(file, lb::fuzz::kPassword, lb::fuzz::quickKey);
    if (first.outcome != lb::DecodeOutcome::Read) {
        if (!first.accounts.empty() ||
            (first.outcome == lb::DecodeOutcome::Damaged && first.error.number < 1001)) {
            std::abort();
        }
        return 0;
    }
    const std::string again =
        lb::encodeSealedFile(first.accounts, lb::fuzz::kPassword, {1, 8}, lb::fuzz::quickKey);
    const lb::DecodeResult second =
        lb::decodeSealedFile(again, lb::fuzz::kPassword, lb::fuzz::quickKey);
    if (second.outcome != lb::DecodeOutcome::Read || second.accounts != first.accounts) {
        std::abort();
    }
    return 0;
}
