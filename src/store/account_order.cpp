#include "store/account_order.h"

#include "platform/account_text.h"

#include <QCollatorSortKey>
#include <algorithm>
#include <numeric>

namespace lb {
namespace {

// A masked password shows as many asterisks as it has characters, so masked
// passwords order by their visible length alone.
bool byLength(Field column, bool masked) {
    return column == Field::Password && masked;
}

} // namespace

QCollator listCollator() {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

std::vector<std::size_t> sortedOrder(const std::vector<Account>& accounts, Field column,
                                     bool masked, bool ascending, const QCollator& collator) {
    std::vector<std::size_t> order(accounts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (byLength(column, masked)) {
        std::vector<qsizetype> lengths(accounts.size());
        for (std::size_t i = 0; i < accounts.size(); ++i) {
            QString text = toQString(accounts[i].password);
            lengths[i] = visibleLength(text);
            wipeText(text);
        }
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return ascending ? lengths[a] < lengths[b] : lengths[b] < lengths[a];
        });
        return order;
    }
    // A key per text, made once, is far cheaper than collating inside each comparison.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(accounts.size());
    for (const Account& account : accounts) {
        keys.push_back(collator.sortKey(toQString(account.field(column))));
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int c = keys[a].compare(keys[b]);
        return ascending ? c < 0 : c > 0;
    });
    return order;
}

std::size_t sortedInsertPosition(const std::vector<Account>& accounts, const Account& account,
                                 Field column, bool masked, bool ascending,
                                 const QCollator& collator) {
    const auto compare = [&](const Account& x, const Account& y) {
        if (byLength(column, masked)) {
            const qsizetype lx = visibleLength(toQString(x.password));
            const qsizetype ly = visibleLength(toQString(y.password));
            return lx < ly ? -1 : (lx > ly ? 1 : 0);
        }
        return collator.compare(toQString(x.field(column)), toQString(y.field(column)));
    };
    const auto it = std::upper_bound(accounts.begin(), accounts.end(), account,
                                     [&](const Account& k, const Account& a) {
                                         const int c = compare(k, a);
                                         return ascending ? c < 0 : c > 0;
                                     });
    return static_cast<std::size_t>(it - accounts.begin());
}

} // namespace lb
