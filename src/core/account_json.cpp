#include "core/account_json.h"

#include "core/cp1252.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace lb {
namespace {

// Ordered, so that the members come out in field order.
using Json = nlohmann::ordered_json;

int memberField(std::string_view name) {
    for (int f = 0; f < kFieldCount; ++f) {
        if (kMemberNames[f] == name) {
            return f;
        }
    }
    return -1;
}

std::optional<Account> accountFromJson(const Json& object, std::size_t number, std::string& error) {
    const std::string where = "account " + std::to_string(number);
    if (!object.is_object()) {
        error = where + " is not an object";
        return std::nullopt;
    }
    Account account;
    for (const auto& [name, value] : object.items()) {
        const int f = memberField(name);
        if (f < 0) {
            error = where + " has an unknown member \"" + name + "\"";
            return std::nullopt;
        }
        if (!value.is_string()) {
            error = where + ": \"" + name + "\" is not a string";
            return std::nullopt;
        }
        auto bytes = cp1252::fromUtf8(value.get_ref<const std::string&>());
        if (!bytes) {
            error = where + ": \"" + name + "\" holds a character that account files cannot store";
            return std::nullopt;
        }
        account.field(static_cast<Field>(f)) = std::move(*bytes);
    }
    return account;
}

} // namespace

std::string accountsToJson(const std::vector<Account>& accounts) {
    Json list = Json::array();
    for (const Account& account : accounts) {
        Json object = Json::object();
        for (int f = 0; f < kFieldCount; ++f) {
            object[std::string(kMemberNames[f])] =
                cp1252::toUtf8(account.field(static_cast<Field>(f)));
        }
        list.push_back(std::move(object));
    }
    Json document = Json::object();
    document["accounts"] = std::move(list);
    return document.dump() + '\n';
}

std::optional<std::vector<Account>> accountsFromJson(std::string_view json, std::string& error) {
    // A member named twice would leave one of its values unused without a word.
    std::vector<std::vector<std::string>> keysOfOpenObjects;
    std::string twice;
    const auto noteKeys = [&](int, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::object_start) {
            keysOfOpenObjects.emplace_back();
        } else if (event == Json::parse_event_t::object_end) {
            keysOfOpenObjects.pop_back();
        } else if (event == Json::parse_event_t::key) {
            auto& keys = keysOfOpenObjects.back();
            const auto& key = parsed.get_ref<const std::string&>();
            if (std::find(keys.begin(), keys.end(), key) != keys.end() && twice.empty()) {
                twice = key;
            }
            keys.push_back(key);
        }
        return true;
    };
    Json document;
    try {
        document = Json::parse(json.begin(), json.end(), noteKeys);
    } catch (const Json::parse_error& e) {
        error = "it is not JSON (it goes wrong at byte " + std::to_string(e.byte) + ")";
        return std::nullopt;
    } catch (const Json::out_of_range&) {
        error = "it holds a number too large to read";
        return std::nullopt;
    }
    if (!twice.empty()) {
        error = "the member \"" + twice + "\" is given twice";
        return std::nullopt;
    }
    if (!document.is_object() || document.size() != 1 || !document.contains("accounts") ||
        !document["accounts"].is_array()) {
        error = "the document's only member must be \"accounts\", an array";
        return std::nullopt;
    }
    std::vector<Account> accounts;
    for (const Json& object : document["accounts"]) {
        auto account = accountFromJson(object, accounts.size() + 1, error);
        if (!account) {
            return std::nullopt;
        }
        accounts.push_back(std::move(*account));
    }
    return accounts;
}

} // namespace lb
