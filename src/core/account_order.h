#pragma once
// The order of the account list when a column header is clicked: the column's
// shown text (the mask for a masked password column), compared without regard
// to letter case, equal texts keeping their previous order.

#include "core/account.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lb {

// Negative, zero or positive, like strcmp, ignoring Windows-1252 letter case.
int compareText(std::string_view a, std::string_view b);

// The text a column shows for an account: the password column shows a run of
// asterisks as long as the password while passwords are masked.
std::string shownText(const Account& account, Field column, bool masked);

// The new order as old positions: result[newRow] = oldRow.
std::vector<std::size_t> sortedOrder(const std::vector<Account>& accounts, Field column,
                                     bool masked, bool ascending);

// Where an account belongs in a list already in that order (after its equals).
std::size_t sortedInsertPosition(const std::vector<Account>& accounts, const Account& account,
                                 Field column, bool masked, bool ascending);

} // namespace lb
