#include "store/account.h"

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

} // namespace lb
