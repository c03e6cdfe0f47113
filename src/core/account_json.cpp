#include "core/account_json.h"

#include "core/iso_time.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>

namespace lb {
namespace {

using Json = nlohmann::json;

// The members of an account after the five texts, and of a removal.
enum class Member { Id, Created, Modified, Removed, Version, Unknown };

int fieldOf(std::string_view name) {
    for (int f = 0; f < kFieldCount; ++f) {
        if (kMemberNames[f] == name) {
            return f;
        }
    }
    return -1;
}

void appendString(std::string& out, std::string_view text) {
    // nlohmann's serialiser escapes exactly as JSON needs, and leaves valid
    // UTF-8 as it stands.
    out += Json(std::string(text)).dump();
}

// Builds the table while the parser walks the text: no document is built,
// so the time and memory grow with the text and nothing else.
class TableBuilder final : public nlohmann::json_sax<Json> {
public:
    TableBuilder(AccountTable& table, std::string& error, Timestamp now)
        : table_(table), error_(error), now_(now) {}

    bool null() override { return notString(); }
    bool boolean(bool) override { return notString(); }
    bool number_integer(number_integer_t) override { return notString(); }
    bool number_unsigned(number_unsigned_t) override { return notString(); }
    bool number_float(number_float_t, const string_t&) override { return notString(); }
    bool binary(binary_t&) override { return notString(); }

    bool string(string_t& value) override {
        if (state_ == State::AccountMember) {
            state_ = State::InAccount;
            return accountValue(value);
        }
        if (state_ == State::RemovalMember) {
            state_ = State::InRemoval;
            return removalValue(value);
        }
        return notString();
    }

    bool start_object(std::size_t) override {
        switch (state_) {
        case State::Start:
            state_ = State::InDocument;
            return true;
        case State::InAccounts:
            table_.accounts.emplace_back();
            seen_ = {};
            hasId_ = hasCreated_ = hasModified_ = false;
            state_ = State::InAccount;
            return true;
        case State::InRemovals:
            table_.removals.emplace_back();
            seen_ = {};
            hasId_ = hasCreated_ = hasModified_ = false;
            state_ = State::InRemoval;
            return true;
        default:
            return notString();
        }
    }

    bool key(string_t& name) override {
        if (state_ == State::InDocument) {
            if (name != "accounts" && name != "removed") {
                return fail(membersText());
            }
            const bool accounts = name == "accounts";
            if (accounts ? sawAccounts_ : sawRemovals_) {
                return fail("the member \"" + name + "\" is given twice");
            }
            (accounts ? sawAccounts_ : sawRemovals_) = true;
            state_ = accounts ? State::AccountsMember : State::RemovalsMember;
            return true;
        }
        const bool account = state_ == State::InAccount;
        const std::size_t slot = slotOf(name, account);
        if (slot == kUnknownSlot) {
            return fail(where() + " has an unknown member \"" + name + "\"");
        }
        if (seen_[slot]) {
            return fail("the member \"" + name + "\" is given twice");
        }
        seen_[slot] = true;
        member_ = name;
        state_ = account ? State::AccountMember : State::RemovalMember;
        return true;
    }

    bool end_object() override {
        if (state_ == State::InAccount) {
            Account& a = table_.accounts.back();
            if (!hasId_) {
                a.id = newAccountId();
            }
            if (!hasCreated_ && !hasModified_) {
                a.created = a.modified = now_;
            } else if (!hasCreated_) {
                a.created = a.modified;
            } else if (!hasModified_) {
                a.modified = a.created;
            }
            state_ = State::InAccounts;
            return true;
        }
        if (state_ == State::InRemoval) {
            if (!hasId_ || !hasCreated_) {
                return fail(where() + " needs \"id\" and \"removed\"");
            }
            state_ = State::InRemovals;
            return true;
        }
        state_ = State::End;
        return true;
    }

    bool start_array(std::size_t) override {
        if (state_ == State::AccountsMember) {
            state_ = State::InAccounts;
            return true;
        }
        if (state_ == State::RemovalsMember) {
            state_ = State::InRemovals;
            return true;
        }
        return notString();
    }

    bool end_array() override {
        state_ = State::InDocument;
        return true;
    }

    bool parse_error(std::size_t position, const std::string&,
                     const nlohmann::detail::exception& e) override {
        if (error_.empty()) {
            error_ = e.id == 406 ? "it holds a number too large to read"
                                 : "it is not JSON (it goes wrong at byte " +
                                       std::to_string(position) + ")";
        }
        return false;
    }

    bool complete() const { return state_ == State::End && sawAccounts_; }

private:
    enum class State {
        Start,
        InDocument,
        AccountsMember,
        RemovalsMember,
        InAccounts,
        InRemovals,
        InAccount,
        AccountMember,
        InRemoval,
        RemovalMember,
        End
    };
    static constexpr std::size_t kUnknownSlot = 99;
    // Slots 0 to 4 are the texts, then id, created, modified (or removed, version).
    static constexpr std::size_t kIdSlot = kFieldCount;
    static constexpr std::size_t kFirstTimeSlot = kFieldCount + 1;

    static std::size_t slotOf(std::string_view name, bool account) {
        if (name == "id") {
            return kIdSlot;
        }
        if (account) {
            if (const int f = fieldOf(name); f >= 0) {
                return static_cast<std::size_t>(f);
            }
            return name == "created"    ? kFirstTimeSlot
                   : name == "modified" ? kFirstTimeSlot + 1
                                        : kUnknownSlot;
        }
        return name == "removed"   ? kFirstTimeSlot
               : name == "version" ? kFirstTimeSlot + 1
                                   : kUnknownSlot;
    }

    static std::string membersText() {
        return "the document's members are \"accounts\", an array, and optionally \"removed\"";
    }

    std::string where() const {
        return state_ == State::InRemoval || state_ == State::RemovalMember ||
                       state_ == State::InRemovals
                   ? "removal " + std::to_string(table_.removals.size())
                   : "account " + std::to_string(table_.accounts.size() +
                                                 (state_ == State::InAccounts ? 1 : 0));
    }

    bool notString() {
        switch (state_) {
        case State::AccountMember:
        case State::RemovalMember:
            return fail(where() + ": \"" + member_ + "\" is not a string");
        case State::InAccounts:
        case State::InRemovals:
            return fail(where() + " is not an object");
        default:
            return fail(membersText());
        }
    }

    bool fail(std::string why) {
        if (error_.empty()) {
            error_ = std::move(why);
        }
        return false;
    }

    bool idValue(std::string_view value, AccountId& id) {
        const auto parsed = idFromText(value);
        if (!parsed) {
            return fail(where() + ": \"id\" is not 32 hexadecimal digits");
        }
        id = *parsed;
        hasId_ = true;
        return true;
    }

    bool timeValue(std::string_view value, Timestamp& t, bool& has) {
        const auto parsed = parseIsoTime(value);
        if (!parsed) {
            return fail(where() + ": \"" + member_ + "\" is not a time such as " +
                        "\"2026-12-07T10:15:00.000Z\"");
        }
        t = *parsed;
        has = true;
        return true;
    }

    bool accountValue(std::string& value) {
        Account& a = table_.accounts.back();
        if (const int f = fieldOf(member_); f >= 0) {
            a.field(static_cast<Field>(f)) = std::move(value);
            return true;
        }
        if (member_ == "id") {
            return idValue(value, a.id);
        }
        return member_ == "created" ? timeValue(value, a.created, hasCreated_)
                                    : timeValue(value, a.modified, hasModified_);
    }

    bool removalValue(const std::string& value) {
        Removal& r = table_.removals.back();
        if (member_ == "id") {
            return idValue(value, r.id);
        }
        return member_ == "removed" ? timeValue(value, r.removed, hasCreated_)
                                    : timeValue(value, r.version, hasModified_);
    }

    AccountTable& table_;
    std::string& error_;
    Timestamp now_;
    State state_ = State::Start;
    bool sawAccounts_ = false;
    bool sawRemovals_ = false;
    std::array<bool, kFieldCount + 3> seen_{};
    std::string member_;
    bool hasId_ = false;
    bool hasCreated_ = false;
    bool hasModified_ = false;
};

} // namespace

std::string idText(const AccountId& id) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    for (const unsigned char b : id) {
        text += kHex[b >> 4];
        text += kHex[b & 15];
    }
    return text;
}

std::optional<AccountId> idFromText(std::string_view text) {
    if (text.size() != 32) {
        return std::nullopt;
    }
    AccountId id{};
    for (std::size_t i = 0; i < 32; ++i) {
        const char c = text[i];
        int v = 0;
        if (c >= '0' && c <= '9') {
            v = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            v = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            v = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        id[i / 2] = static_cast<unsigned char>(id[i / 2] << 4 | v);
    }
    return id;
}

std::string accountsToJson(const std::vector<Account>& accounts,
                           const std::vector<Removal>& removals) {
    std::string out = "{\"accounts\":[";
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        const Account& a = accounts[i];
        out += i == 0 ? "{" : ",{";
        for (int f = 0; f < kFieldCount; ++f) {
            out += f == 0 ? "\"" : ",\"";
            out += kMemberNames[f];
            out += "\":";
            appendString(out, a.field(static_cast<Field>(f)));
        }
        out += ",\"id\":\"" + idText(a.id) + "\"";
        if (a.created != 0) {
            out += ",\"created\":\"" + isoTime(a.created) + "\"";
        }
        if (a.modified != 0) {
            out += ",\"modified\":\"" + isoTime(a.modified) + "\"";
        }
        out += "}";
    }
    out += "],\"removed\":[";
    for (std::size_t i = 0; i < removals.size(); ++i) {
        const Removal& r = removals[i];
        out += i == 0 ? "{" : ",{";
        out += "\"id\":\"" + idText(r.id) + "\",\"removed\":\"" + isoTime(r.removed) +
               "\",\"version\":\"" + isoTime(r.version) + "\"}";
    }
    out += "]}\n";
    return out;
}

std::optional<AccountTable> accountsFromJson(std::string_view json, Timestamp now,
                                             std::string& error) {
    error.clear();
    AccountTable table;
    TableBuilder builder(table, error, now);
    const bool parsed = Json::sax_parse(json.begin(), json.end(), &builder);
    if (!parsed || !builder.complete()) {
        if (error.empty()) {
            error = "the document's members are \"accounts\", an array, and optionally "
                    "\"removed\"";
        }
        return std::nullopt;
    }
    std::vector<AccountId> ids;
    ids.reserve(table.accounts.size());
    for (const Account& a : table.accounts) {
        ids.push_back(a.id);
    }
    std::sort(ids.begin(), ids.end());
    if (const auto twice = std::adjacent_find(ids.begin(), ids.end()); twice != ids.end()) {
        error = "the identity " + idText(*twice) + " is given to two accounts";
        return std::nullopt;
    }
    return table;
}

} // namespace lb
