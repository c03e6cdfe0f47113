// Hostile text into lockerbook-cli's JSON reader. Whatever it accepts must
// print and read back to the same accounts.

#include "core/account_json.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view json(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto accounts = lb::accountsFromJson(json, error);
    if (!accounts) {
        if (error.empty()) {
            std::abort();
        }
        return 0;
    }
    const auto again = lb::accountsFromJson(lb::accountsToJson(*accounts), error);
    if (!again || *again != *accounts) {
        std::abort();
    }
    return 0;
}
