// Text on its way in and out: Windows-1252, the one code page between account
// files and the world, and the JSON form of lockerbook-cli.

#include "core/account_json.h"
#include "core/cp1252.h"

#include <gtest/gtest.h>
#include <set>

namespace lb {
namespace {

std::string allBytes() {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    return all;
}

TEST(Cp1252, MapsAll256BytesOneToOneAndRefusesTheRest) {
    std::set<char16_t> seen;
    for (int b = 0; b < 256; ++b) {
        const char16_t unit = cp1252::toUnicode(static_cast<unsigned char>(b));
        EXPECT_TRUE(seen.insert(unit).second) << "byte " << b << " shares its character";
        EXPECT_EQ(cp1252::fromUnicode(unit), static_cast<unsigned char>(b)) << b;
    }
    EXPECT_EQ(cp1252::toUnicode(0x80), u'\u20AC');
    EXPECT_EQ(cp1252::toUnicode(0x9F), u'\u0178');
    EXPECT_EQ(cp1252::toUnicode(0x81), u'\u0081') << "undefined slots keep their value";
    for (char16_t unit : {u'\u0100', u'\u20AD', u'\u4E2D', char16_t(0xD800), u'\u0080'}) {
        EXPECT_FALSE(cp1252::fromUnicode(unit)) << int(unit);
    }
}

std::optional<std::vector<Account>> parse(std::string_view json) {
    std::string error;
    auto accounts = accountsFromJson(json, error);
    EXPECT_EQ(accounts.has_value(), error.empty()) << error;
    return accounts;
}

TEST(AccountJson, PrintsOneLineInFieldOrderAndReadsEveryByteBack) {
    const std::vector<Account> accounts = {
        {"Caf\xE9 \x80", "a\"b\\c", "\t\r\n\x01\x1F", "/x\x7F", ""}, {}};
    EXPECT_EQ(accountsToJson(accounts),
              "{\"accounts\":[{\"name\":\"Caf\xC3\xA9 \xE2\x82\xAC\",\"user\":\"a\\\"b\\\\c\","
              "\"password\":\"\\t\\r\\n\\u0001\\u001f\",\"url\":\"/x\x7F\",\"notes\":\"\"},"
              "{\"name\":\"\",\"user\":\"\",\"password\":\"\",\"url\":\"\",\"notes\":\"\"}]}\n");
    const std::string all = allBytes();
    const std::vector<Account> every = {{all, "", all, "x", all}, {"", all, "", all, ""}};
    EXPECT_EQ(parse(accountsToJson(every)), every);
}

TEST(AccountJson, RefusesEverythingElseSayingWhere) {
    const struct {
        std::string_view json;
        const char* said;
    } rows[] = {
        {"", "byte"},
        {"{}", "only member"},
        {"[]", "only member"},
        {"{\"accounts\":{}}", "only member"},
        {"{\"accounts\":[],\"other\":1}", "only member"},
        {"{\"accounts\":[{},]}", "byte"},
        {"{\"accounts\":[{\"name\":\"a\",\"name\":\"b\"}]}", "twice"},
        {"{\"accounts\":[{\"title\":\"a\"}]}", "account 1 has an unknown member \"title\""},
        {"{\"accounts\":[{},{\"name\":1}]}", "account 2: \"name\" is not a string"},
        {"{\"accounts\":[[]]}", "account 1 is not an object"},
        {"{\"accounts\":[{\"name\":\"\\ud800\"}]}", "byte"},
        {"{\"accounts\":[{\"name\":\"\xC3\"}]}", "byte"},
        {"{\"accounts\":[{},{\"notes\":\"\\u0100\"}]}", "account 2: \"notes\" holds a character"},
        {"{\"accounts\":[{\"name\":\"\\ud83d\\ude00\"}]}", "account 1: \"name\" holds"},
        {"{\"accounts\":[]} x", "byte"},
        {"{\"accounts\":[{\"name\":77777e777}]}", "too large"},
    };
    for (const auto& row : rows) {
        std::string error;
        EXPECT_FALSE(accountsFromJson(row.json, error)) << row.json;
        EXPECT_NE(error.find(row.said), std::string::npos) << row.json << ": " << error;
    }
    std::string error;
    EXPECT_FALSE(accountsFromJson("{\"accounts\":" + std::string(1000000, '['), error));
}

} // namespace
} // namespace lb
