#include "core/account.h"

namespace lb {

std::string& Account::field(Field f) {
    switch (f) {
    case Field::AccountName:
        return name;
    case Field::UserName:
        return user;
    case Field::Password:
        return password;
    case Field::Url:
        return url;
    case Field::Notes:
        break;
    }
    return notes;
}

const std::string& Account::field(Field f) const {
    return const_cast<Account*>(this)->field(f);
}

std::vector<FieldPosition> unstorableFields(const std::vector<Account>& accounts) {
    std::vector<FieldPosition> found;
    for (std::size_t row = 0; row < accounts.size(); ++row) {
        for (int f = 0; f < kFieldCount; ++f) {
            const auto field = static_cast<Field>(f);
            if (accounts[row].field(field).find(kUnstorableCode) != std::string::npos) {
                found.push_back({row, field});
            }
        }
    }
    return found;
}

} // namespace lb
