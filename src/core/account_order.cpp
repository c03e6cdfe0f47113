#include "core/account_order.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string>

namespace lb {
namespace {

constexpr std::array<unsigned char, 256> makeFoldTable() {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) {
        t[i] = static_cast<unsigned char>(i);
    }
    for (int c = 'A'; c <= 'Z'; ++c) {
        t[c] = static_cast<unsigned char>(c + 32);
    }
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7) { // the multiplication sign has no lower case
            t[c] = static_cast<unsigned char>(c + 32);
        }
    }
    t[0x8A] = 0x9A; // S caron
    t[0x8C] = 0x9C; // OE
    t[0x8E] = 0x9E; // Z caron
    t[0x9F] = 0xFF; // Y diaeresis
    return t;
}

constexpr std::array<unsigned char, 256> kFold = makeFoldTable();

} // namespace

int compareText(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = kFold[static_cast<unsigned char>(a[i])];
        const unsigned char y = kFold[static_cast<unsigned char>(b[i])];
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

std::string shownText(const Account& account, Field column, bool masked) {
    const std::string& text = account.field(column);
    if (column == Field::Password && masked) {
        return std::string(text.size(), '*');
    }
    return text;
}

std::vector<std::size_t> sortedOrder(const std::vector<Account>& accounts, Field column,
                                     bool masked, bool ascending) {
    std::vector<std::size_t> order(accounts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (column == Field::Password && masked) {
        // Runs of asterisks order by their length alone.
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            const auto la = accounts[a].password.size();
            const auto lb = accounts[b].password.size();
            return ascending ? la < lb : lb < la;
        });
        return order;
    }
    // Folding every text once and comparing the folded copies bytewise is
    // several times faster than folding inside each comparison.
    std::vector<std::string> keys(accounts.size());
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        const std::string& text = accounts[i].field(column);
        std::string& key = keys[i];
        key.resize(text.size());
        for (std::size_t k = 0; k < text.size(); ++k) {
            key[k] = static_cast<char>(kFold[static_cast<unsigned char>(text[k])]);
        }
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        // Compared as unsigned bytes, as compareText does.
        const int c = std::char_traits<char>::compare(keys[a].data(), keys[b].data(),
                                                      std::min(keys[a].size(), keys[b].size()));
        if (c != 0) {
            return ascending ? c < 0 : c > 0;
        }
        return ascending ? keys[a].size() < keys[b].size() : keys[a].size() > keys[b].size();
    });
    return order;
}

std::size_t sortedInsertPosition(const std::vector<Account>& accounts, const Account& account,
                                 Field column, bool masked, bool ascending) {
    const std::string key = shownText(account, column, masked);
    const auto it = std::upper_bound(accounts.begin(), accounts.end(), key,
                                     [&](const std::string& k, const Account& a) {
                                         const int c = compareText(k, shownText(a, column, masked));
                                         return ascending ? c < 0 : c > 0;
                                     });
    return static_cast<std::size_t>(it - accounts.begin());
}

} // namespace lb
