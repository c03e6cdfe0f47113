// Sorting by a click on a column header, with its header icons.

#include "main_window_fixture.h"

#include <QHeaderView>

namespace lb::test {
namespace {

class Sorting : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window->table().replaceAll({Account{"beta", "u2", "xx", "https://b", ""},
                                    Account{"Alpha", "u1", "xxxx", "https://c", ""},
                                    Account{"gamma", "u3", "x", "https://a", ""}});
        showWindow();
    }

    void clickHeader(int column) {
        QHeaderView* header = window->lstAccounts->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, 5));
    }

    QStringList column(int c) const {
        QStringList out;
        for (int r = 0; r < window->table().size(); ++r) {
            out << cell(r, c);
        }
        return out;
    }

    bool hasIcon(int c) const {
        return !window->table().headerData(c, Qt::Horizontal, Qt::DecorationRole).isNull();
    }
};

TEST_F(Sorting, FirstClickOnAccountNameIsDescendingAndTheSecondAscending) {
    clickHeader(0);
    EXPECT_EQ(column(0), (QStringList{"gamma", "beta", "Alpha"}));
    EXPECT_FALSE(window->table().ascending());
    clickHeader(0);
    EXPECT_EQ(column(0), (QStringList{"Alpha", "beta", "gamma"}));
    EXPECT_TRUE(window->table().ascending());
    EXPECT_TRUE(hasIcon(0));
}

TEST_F(Sorting, AnotherColumnSortsAscendingAndTakesTheOnlyIcon) {
    clickHeader(0);
    clickHeader(3);
    EXPECT_EQ(column(3), (QStringList{"https://a", "https://b", "https://c"}));
    EXPECT_TRUE(hasIcon(3));
    EXPECT_FALSE(hasIcon(0));
    EXPECT_EQ(window->table().sortKey(), 3);
}

TEST_F(Sorting, MaskedPasswordsSortByLength) {
    window->menuEntry(QStringLiteral("mnuViewMaskPasswords"))->trigger();
    clickHeader(2);
    EXPECT_EQ(column(2), (QStringList{"*", "**", "****"}));
}

TEST_F(Sorting, NoIconBeforeTheFirstClick) {
    for (int c = 0; c < 5; ++c) {
        EXPECT_FALSE(hasIcon(c));
    }
}

TEST_F(Sorting, AddedAccountTakesItsSortedPlace) {
    clickHeader(0);
    clickHeader(0); // ascending by name
    addAccounts(1);
    EXPECT_EQ(column(0), (QStringList{"Alpha", "beta", "gamma", "New Account 1"}));
    EXPECT_EQ(window->ViewingAccount(), 3);
}

} // namespace
} // namespace lb::test
