// The shown account is a row that follows its account when other rows come
// and go, as the list's own selection may not.

#include "core/account.h"
#include "store/account_table_model.h"

#include <gtest/gtest.h>

namespace lb {
namespace {

TEST(AccountTable, TheShownAccountFollowsItsAccountThroughInsertsAndRemovalsOfOthers) {
    AccountTableModel table;
    table.replaceAll({{"b", "", "", "", ""}, {"d", "", "", "", ""}, {"f", "", "", "", ""}});
    table.columnClicked(0);
    table.columnClicked(0); // ascending by name
    table.setViewingRow(table.size() - 1);
    table.append({"a", "", "", "", ""});
    table.append({"e", "", "", "", ""});
    ASSERT_EQ(table.account(table.viewingRow()).name, "f");
    table.removeAt(0);
    table.removeAt(2);
    EXPECT_EQ(table.account(table.viewingRow()).name, "f");
    table.removeAt(table.viewingRow());
    EXPECT_EQ(table.viewingRow(), -1);
}

} // namespace
} // namespace lb
