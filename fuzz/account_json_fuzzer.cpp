// Hostile text into lockerbook-cli's JSON reader. Whatever it accepts must
// print and read back to the same accounts, identities, times and removals.

#include "core/account_json.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view json(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto table = lb::accountsFromJson(json, 1, error);
    if (!table) {
        if (error.empty()) {
            std::abort();
        }
        return 0;
    }
    const auto again =
        lb::accountsFromJson(lb::accountsToJson(table->accounts, table->removals), 2, error);
    if (!again || again->accounts != table->accounts || again->removals != table->removals) {
        std::abort();
    }
    for (std::size_t i = 0; i < table->accounts.size(); ++i) {
        const lb::Account& a = table->accounts[i];
        const lb::Account& b = again->accounts[i];
        if (a.id != b.id || a.created != b.created || a.modified != b.modified) {
            std::abort();
        }
    }
    return 0;
}
