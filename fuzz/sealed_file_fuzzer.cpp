// Hostile bytes into the sealed-file reader. The first byte says what the
// rest is: an even byte a whole file; an odd one records, sealed with the
// fuzzing password first (under version 1 when its second bit is clear,
// version 2 when set), so that the records readers behind the seal are
// reached too. Whatever the reader accepts must survive a write and a second
// read unchanged: texts, identities, times, earlier versions and removals.

#include "core/sealed_file.h"
#include "fuzz_password.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool sameVersions(const std::vector<lb::Account>& a, const std::vector<lb::Account>& b) {
    if (a != b) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].id != b[i].id || a[i].created != b[i].created || a[i].modified != b[i].modified ||
            a[i].history != b[i].history) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool records = (data[0] & 1) != 0;
    const std::uint16_t version = (data[0] & 2) != 0 ? 2 : 1;
    const std::string file =
        records ? lb::sealRecords(rest, lb::fuzz::kPassword, {1, 8}, version, lb::fuzz::quickKey)
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
    const std::string again = lb::encodeSealedFile(first.accounts, first.removals,
                                                   lb::fuzz::kPassword, {1, 8}, lb::fuzz::quickKey);
    const lb::DecodeResult second =
        lb::decodeSealedFile(again, lb::fuzz::kPassword, lb::fuzz::quickKey);
    if (second.outcome != lb::DecodeOutcome::Read || !second.identities ||
        !sameVersions(second.accounts, first.accounts) || second.removals != first.removals) {
        std::abort();
    }
    return 0;
}
