// The table behind the list: its order in the person's language, the find
// box's words, the shown account following its account, and the removals
// that a merge needs to know of.

#include "core/account.h"
#include "store/account_order.h"
#include "store/account_table_model.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace lb {
namespace {

std::vector<Account> named(std::initializer_list<const char*> names) {
    std::vector<Account> out;
    for (const char* n : names) {
        out.push_back(Account{n, "", "", "", ""});
        out.back().id = newAccountId();
    }
    return out;
}

std::vector<std::string> shownNames(const AccountTableModel& table) {
    std::vector<std::string> out;
    for (int row = 0; row < table.size(); ++row) {
        out.push_back(table.account(row).name);
    }
    return out;
}

TEST(AccountOrder, FollowsTheLanguageIgnoresCaseKeepsEqualsInOrderAndMasksByLength) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // Accounts "name:password", in the file's order, and their names top to bottom.
    const struct {
        const char* accounts;
        Field column;
        bool masked;
        bool ascending;
        const char* order;
    } rows[] = {
        {"b A a B", Field::AccountName, false, true, "A a b B"}, // case ignored, equals kept
        {"b A a B", Field::AccountName, false, false, "b B A a"},
        {"Zebra \u00e9t\u00e9 ete Eva", Field::AccountName, false, true,
         "ete \u00e9t\u00e9 Eva Zebra"}, // accents beside their letter
        {"\u042f\u043d\u0434\u0435\u043a\u0441 Alpha \u0410\u0431\u0432", Field::AccountName, false,
         true, "Alpha \u0410\u0431\u0432 \u042f\u043d\u0434\u0435\u043a\u0441"}, // Latin first
        // Masked passwords sort by what a person sees, the others by their text.
        {"1:zzz 2:e\u0301e\u0301 3:a", Field::Password, true, true, "3 2 1"},
        {"1:zzz 2:mm 3:a", Field::Password, false, true, "3 2 1"},
    };
    const QCollator collator = listCollator();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.accounts);
        std::vector<Account> accounts;
        for (const QString& text : QString::fromUtf8(row.accounts).split(u' ')) {
            accounts.push_back({text.section(u':', 0, 0).toStdString(), "",
                                text.section(u':', 1).toStdString(), "", ""});
        }
        QStringList order;
        for (std::size_t i :
             sortedOrder(accounts, row.column, row.masked, row.ascending, collator)) {
            order << QString::fromStdString(accounts[i].name);
        }
        EXPECT_EQ(order.join(u' '), QString::fromUtf8(row.order));
    }
    EXPECT_EQ(sortedInsertPosition(named({"a", "b", "b", "c"}), Account{"B", "", "", "", ""},
                                   Field::AccountName, false, true, collator),
              3u)
        << "an added account goes after its equals";
}

TEST(AccountTable, FindShowsTheAccountsHoldingEveryWordAnywhereButNeverByPassword) {
    AccountTableModel table;
    std::vector<Account> accounts = {{"Bank of Z\u00fcrich", "anna", "secret", "", ""},
                                     {"Mail", "ZURICH office", "", "", "work"},
                                     {"Shop", "bob", "zurich", "", ""},
                                     {"\u5de5\u5546\u94f6\u884c", "li", "", "icbc.com", "note"}};
    table.replaceAll(std::move(accounts));
    const struct {
        const char* typed;
        std::vector<std::string> shown;
    } rows[] = {
        {"zurich", {"Bank of Z\u00fcrich", "Mail"}},
        {"zurich anna", {"Bank of Z\u00fcrich"}},
        {"zur", {"Bank of Z\u00fcrich", "Mail"}},
        {"zuri", {"Bank of Z\u00fcrich", "Mail"}},
        {"  ", {"Bank of Z\u00fcrich", "Mail", "Shop", "\u5de5\u5546\u94f6\u884c"}},
        {"\u94f6\u884c", {"\u5de5\u5546\u94f6\u884c"}},
        {"ICBC", {"\u5de5\u5546\u94f6\u884c"}},
        {"secret", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        table.setFindText(QString::fromUtf8(row.typed));
        EXPECT_EQ(shownNames(table), row.shown);
        EXPECT_EQ(table.totalCount(), 4);
    }
}

TEST(AccountTable, TheShownAccountFollowsItsAccountAndRemovalsAreRecorded) {
    AccountTableModel table;
    table.replaceAll(named({"b", "d", "f"}));
    table.columnClicked(0);
    table.columnClicked(0); // ascending by name
    table.setViewingIndex(table.totalCount() - 1);
    table.insert(named({"a"})[0]);
    table.insert(named({"e"})[0]);
    ASSERT_EQ(table.accounts()[static_cast<std::size_t>(table.viewingIndex())].name, "f");
    const Account removed = table.removeAt(0);
    table.removeAt(2);
    EXPECT_EQ(table.account(table.viewingRow()).name, "f");
    table.setFindText(QStringLiteral("d"));
    EXPECT_EQ(table.viewingRow(), -1) << "hidden by the find box, still the shown account";
    EXPECT_EQ(table.accounts()[static_cast<std::size_t>(table.viewingIndex())].name, "f");
    table.setFindText({});
    ASSERT_EQ(table.removals().size(), 2u);
    EXPECT_EQ(table.removals()[0].id, removed.id);
    table.insert(removed, 0);
    EXPECT_EQ(table.removals().size(), 1u) << "an account that comes back is no longer removed";
    table.removeAt(table.viewingIndex());
    EXPECT_EQ(table.viewingIndex(), -1);
}

} // namespace
} // namespace lb
