#pragma once
// The order of the account list when a column header is clicked: the
// column's shown text (the mask for a masked password column) in the order of
// the person's language (QCollator), letter case ignored, equal texts keeping
// their previous order.

#include "core/account.h"

#include <QCollator>
#include <cstddef>
#include <vector>

namespace lb {

// A collator for the person's locale that ignores letter case.
QCollator listCollator();

// The new order as old positions: result[newPosition] = oldPosition.
std::vector<std::size_t> sortedOrder(const std::vector<Account>& accounts, Field column,
                                     bool masked, bool ascending, const QCollator& collator);

// Where an account belongs in a list already in that order (after its equals).
std::size_t sortedInsertPosition(const std::vector<Account>& accounts, const Account& account,
                                 Field column, bool masked, bool ascending,
                                 const QCollator& collator);

} // namespace lb
