#include "core/classic_file.h"

#include "core/account_records.h"
#include "core/account_records_layout.h"
#include "core/cipher.h"

namespace lb {

DecodeResult decodeClassicFile(std::string_view fileBytes, std::string_view password) {
    return decodeRecords(fileBytes, PasswordKey(password));
}

std::string encodeClassicFile(const std::vector<Account>& accounts, std::string_view password,
                              RandomSource& random) {
    RecordShifts shifts;
    shifts.key = PasswordKey(password);
    shifts.plainCheck = static_cast<char>(RandomBetween(kCheckLowest, kCheckHighest, random));
    for (ColumnShift& c : shifts.columns) {
        c.start = RandomBetween(1, 254, random);
        c.step = RandomBetween(1, 21, random);
    }
    std::string file(recordsSize(accounts), '\0');
    writeRecords(accounts, shifts, file.data());
    return file;
}

} // namespace lb
