#include "store/account.h"
#include "store/account_file_layout.h"
#include "store/crc32.h"

#include <algorithm>
#include <cstring>

namespace lb {

std::uint32_t plainTextCrc(const std::vector<Account>& accounts) {
    std::uint32_t crc = 0;
    std::string mapped;
    for (int f = 0; f < kFieldCount; ++f) {
        for (const Account& account : accounts) {
            const std::string& value = account.field(static_cast<Field>(f));
            if (std::memchr(value.data(), 0xFF, value.size()) == nullptr) {
                crc = crc32Update(crc, value);
                continue;
            }
            mapped = value;
            std::replace(mapped.begin(), mapped.end(), '\xFF', '\0');
            crc = crc32Update(crc, mapped);
        }
    }
    return crc;
}

} // namespace lb
