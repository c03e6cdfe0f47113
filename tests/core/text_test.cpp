// Text on its way in and out: Windows-1252, the one code page between account
// files and the world, and the JSON form of lockerbook-cli.

#include "core/account_json.h"
#include "core/cp1252.h"
#include "core/iso_time.h"

#include <gtest/gtest.h>
#include <set>

namespace lb {
namespace {

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

std::optional<AccountTable> parse(std::string_view json) {
    std::string error;
    auto table = accountsFromJson(json, 1000, error);
    EXPECT_EQ(table.has_value(), error.empty()) << error;
    return table;
}

TEST(AccountJson, PrintsOneLineAndReadsEveryTextIdentityAndTimeBack) {
    std::vector<Account> accounts = {
        {"Caf\u00e9 \u042f \U0001F3AE", "a\"b\\c", "\t\r\n\x01\x1F", "/x\x7F", "\u00ff"}, {}};
    accounts[0].id = *idFromText("00112233445566778899aabbccddeeff");
    accounts[0].created = 1765102500123; // 2025-12-07T10:15:00.123Z
    accounts[0].modified = 1765102500124;
    accounts[1].id = *idFromText("ffeeddccbbaa99887766554433221100");
    const std::vector<Removal> removals = {
        {*idFromText("0123456789abcdef0123456789abcdef"), 1765102500000, 1765102400000}};
    EXPECT_EQ(
        accountsToJson(accounts, removals),
        "{\"accounts\":[{\"name\":\"Caf\u00e9 \u042f \U0001F3AE\",\"user\":\"a\\\"b\\\\c\","
        "\"password\":\"\\t\\r\\n\\u0001\\u001f\",\"url\":\"/x\x7F\",\"notes\":\"\u00ff\","
        "\"id\":\"00112233445566778899aabbccddeeff\","
        "\"created\":\"2025-12-07T10:15:00.123Z\",\"modified\":\"2025-12-07T10:15:00.124Z\"},"
        "{\"name\":\"\",\"user\":\"\",\"password\":\"\",\"url\":\"\",\"notes\":\"\","
        "\"id\":\"ffeeddccbbaa99887766554433221100\"}],"
        "\"removed\":[{\"id\":\"0123456789abcdef0123456789abcdef\","
        "\"removed\":\"2025-12-07T10:15:00.000Z\",\"version\":\"2025-12-07T10:13:20.000Z\"}]}\n");
    const auto back = parse(accountsToJson(accounts, removals));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->accounts, accounts);
    EXPECT_EQ(back->accounts[0].id, accounts[0].id);
    EXPECT_EQ(back->accounts[0].modified, accounts[0].modified);
    EXPECT_EQ(back->removals, removals);
    // What a script leaves out is made: a new identity, the time of now.
    const auto bare = parse("{\"accounts\":[{\"name\":\"x\"},{}]}");
    ASSERT_TRUE(bare);
    EXPECT_NE(bare->accounts[0].id, bare->accounts[1].id);
    EXPECT_EQ(bare->accounts[0].created, 1000);
    EXPECT_EQ(parseIsoTime("2025-12-07T11:15:00.123+01:00"), 1765102500123);
    EXPECT_EQ(parseIsoTime("1969-12-31T23:59:59Z"), -1000);
    EXPECT_FALSE(parseIsoTime("2025-02-29T00:00:00Z"));
}

TEST(AccountJson, RefusesEverythingElseSayingWhere) {
    const struct {
        std::string_view json;
        const char* said;
    } rows[] = {
        {"", "byte"},
        {"{}", "members are"},
        {"[]", "members are"},
        {"{\"accounts\":{}}", "members are"},
        {"{\"accounts\":[],\"other\":1}", "members are"},
        {"{\"accounts\":[],\"accounts\":[]}", "twice"},
        {"{\"accounts\":[{},]}", "byte"},
        {"{\"accounts\":[{\"name\":\"a\",\"name\":\"b\"}]}", "twice"},
        {"{\"accounts\":[{\"title\":\"a\"}]}", "account 1 has an unknown member \"title\""},
        {"{\"accounts\":[{},{\"name\":1}]}", "account 2: \"name\" is not a string"},
        {"{\"accounts\":[[]]}", "account 1 is not an object"},
        {"{\"accounts\":[{\"name\":\"\\ud800\"}]}", "byte"},
        {"{\"accounts\":[{\"name\":\"\xC3\"}]}", "byte"},
        {"{\"accounts\":[{\"id\":\"00\"}]}", "account 1: \"id\" is not 32 hexadecimal digits"},
        {"{\"accounts\":[{\"created\":\"yesterday\"}]}", "\"created\" is not a time"},
        {"{\"accounts\":[{\"id\":\"00112233445566778899aabbccddeeff\"},"
         "{\"id\":\"00112233445566778899AABBCCDDEEFF\"}]}",
         "given to two accounts"},
        {"{\"accounts\":[],\"removed\":[{\"id\":\"00112233445566778899aabbccddeeff\"}]}",
         "removal 1 needs"},
        {"{\"accounts\":[]} x", "byte"},
        {"{\"accounts\":[{\"name\":77777e777}]}", "too large"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.json);
        std::string error;
        EXPECT_FALSE(accountsFromJson(row.json, 1, error));
        EXPECT_NE(error.find(row.said), std::string::npos) << error;
    }
    std::string error;
    EXPECT_FALSE(accountsFromJson("{\"accounts\":" + std::string(1000000, '['), 1, error));
}

} // namespace
} // namespace lb
