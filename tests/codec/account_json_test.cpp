// The JSON form lockerbook-cli reads and prints: exact output, round trips of
// every byte, and a strict refusal of everything that is not that document.

#include "cli/account_json.h"

#include <gtest/gtest.h>

namespace lb::cli {
namespace {

std::vector<Account> parse(std::string_view json) {
    std::string error;
    auto accounts = accountsFromJson(json, error);
    EXPECT_TRUE(accounts) << error;
    return accounts.value_or(std::vector<Account>{});
}

TEST(AccountJson, PrintsOneLineInTableOrderWithEscapes) {
    const std::vector<Account> accounts = {
        {"Caf\xE9 \x80", "a\"b\\c", "\t\r\n\x01\x1F", "/x\x7F", ""}, {}};
    EXPECT_EQ(accountsToJson(accounts),
              "{\"accounts\":[{\"name\":\"Caf\xC3\xA9 \xE2\x82\xAC\",\"user\":\"a\\\"b\\\\c\","
              "\"password\":\"\\t\\r\\n\\u0001\\u001f\",\"url\":\"/x\x7F\",\"notes\":\"\"},"
              "{\"name\":\"\",\"user\":\"\",\"password\":\"\",\"url\":\"\",\"notes\":\"\"}]}\n");
    EXPECT_EQ(accountsToJson({}), "{\"accounts\":[]}\n");
}

TEST(AccountJson, RoundTripsEveryByteValue) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::vector<Account> accounts = {{all, "", all, "x", all}, {"", all, "", all, ""}};
    EXPECT_EQ(parse(accountsToJson(accounts)), accounts);
}

TEST(AccountJson, AcceptsWhiteSpaceAnyMemberOrderAndMissingMembers) {
    const auto accounts = parse(" \r\n{ \"accounts\" :\t[ { \"notes\" : \"n\" , \"name\":\"a\" } ,"
                                "{}, {\"url\":\"\\u20ac\\/\\b\\f\"} ] }\n ");
    ASSERT_EQ(accounts.size(), 3u);
    EXPECT_EQ(accounts[0], (Account{"a", "", "", "", "n"}));
    EXPECT_EQ(accounts[1], Account{});
    EXPECT_EQ(accounts[2].url, "\x80/\b\f");
    EXPECT_TRUE(parse("{\"accounts\":[]}").empty());
    EXPECT_EQ(parse("{\"\\u0061ccounts\":[{\"n\\u0061me\":\"x\"}]}")[0].name, "x");
}

TEST(AccountJson, RefusesEverythingElse) {
    for (std::string_view bad : {
             std::string_view(""),
             std::string_view("{}"),
             std::string_view("[]"),
             std::string_view("{\"accounts\":{}}"),
             std::string_view("{\"accounts\":[],}"),
             std::string_view("{\"accounts\":[{},]}"),
             std::string_view("{\"accounts\":[{\"name\":\"a\",}]}"),
             std::string_view("{\"accounts\":[],\"other\":1}"),
             std::string_view("{\"Accounts\":[]}"),
             std::string_view("{\"accounts\":[{\"name\":\"a\",\"name\":\"b\"}]}"),
             std::string_view("{\"accounts\":[{\"title\":\"a\"}]}"),
             std::string_view("{\"accounts\":[{\"name\":1}]}"),
             std::string_view("{\"accounts\":[{\"name\":null}]}"),
             std::string_view("{\"accounts\":[[]]}"),
             std::string_view("{\"accounts\":[{\"name\":\"a\nb\"}]}"),
             std::string_view("{\"accounts\":[{\"name\":\"\\x\"}]}"),
             std::string_view("{\"accounts\":[{\"name\":\"\\u20a\"}]}"),
             std::string_view("{\"accounts\":[{\"name\":\"\\ud800\"}]}"),
             std::string_view("{\"accounts\":[{\"name\":\"\\udc00\"}]}"),
             std::string_view("{\"accounts\":[{\"name\":\"\\ud83d\\ude00\"}]}"),
             std::string_view("{\"accounts\":[{\"name\":\"\xE4\xB8\xAD\"}]}"),
             std::string_view("{\"accounts\":[{\"name\":\"\xC3\"}]}"),
             std::string_view("{\"accounts\":[{\"name\":\"abc"),
             std::string_view("{\"accounts\":[{\"name\":\"\\"),
             std::string_view("{\"accounts\":[]} x"),
             std::string_view("{\"accounts\":[]}{}"),
         }) {
        std::string error;
        EXPECT_FALSE(accountsFromJson(bad, error)) << bad;
        EXPECT_NE(error.find("at byte"), std::string::npos) << bad;
    }
}

TEST(AccountJson, DeepNestingIsRefusedWithoutRecursion) {
    const std::string deep = "{\"accounts\":" + std::string(1000000, '[');
    std::string error;
    EXPECT_FALSE(accountsFromJson(deep, error));
}

TEST(AccountJson, NamesTheAccountAndMemberThatCannotBeStored) {
    std::string error;
    EXPECT_FALSE(accountsFromJson("{\"accounts\":[{},{\"notes\":\"\\u0100\"}]}", error));
    EXPECT_NE(error.find("account 2"), std::string::npos) << error;
    EXPECT_NE(error.find("\"notes\""), std::string::npos) << error;
}

} // namespace
} // namespace lb::cli
