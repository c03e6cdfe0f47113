// The sealed account file: read back by a reader written from its documented
// layout alone, refused whole when any byte of it changes, and never made to
// derive a key at a cost beyond the limits.

#include "account_files.h"
#include "core/account_file.h"
#include "core/program_errors.h"
#include "core/sealed_file.h"
#include "core/sealed_records.h"
#include "disk.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sodium.h>
#include <stdexcept>

namespace lb {
namespace {

using test::kCheapKdf;

// Texts of every script and form the version 2 records must keep byte for byte.
std::vector<Account> everyScript() {
    std::vector<Account> accounts = {
        {"Яндекс Почта", "李小龙", "Пароль-Ω", "https://mail.yandex.ru", "Zürich ÿ"},
        {"支付宝 Alipay", "użytkownik łódź", "パスワード", "https://العربية.example", "שלום"},
        {"🎮 Steam", "e\u0301e\u0301 combining", std::string("nul\0inside", 10), "",
         "👨‍👩‍👧"},
        {"", "", "", "", std::string(70000, 'n')},
    };
    accounts[1].history = {11, 22, 33};
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        accounts[i].id = newAccountId();
        accounts[i].created = 1'700'000'000'000 + static_cast<Timestamp>(i);
        accounts[i].modified = 1'800'000'000'000 + static_cast<Timestamp>(i);
    }
    return accounts;
}

std::uint64_t le(const std::string& b, std::size_t at, std::size_t count) {
    std::uint64_t v = 0;
    for (std::size_t i = count; i-- > 0;) {
        v = v << 8 | static_cast<unsigned char>(b[at + i]);
    }
    return v;
}

// The steps of docs/sealed-file-format.md, with libsodium and nothing of the program's.
AccountTable readAsTheDocumentSays(const std::string& file, const std::string& password) {
    const auto* u = reinterpret_cast<const unsigned char*>(file.data());
    EXPECT_EQ(file.substr(0, 8), "\x89LBK\r\n\x1A\n");
    EXPECT_EQ(le(file, 8, 2), 2u);
    EXPECT_EQ(u[10], crypto_pwhash_ALG_ARGON2ID13);
    unsigned char digest[16];
    crypto_generichash(digest, 16, u, 76, nullptr, 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(digest), 16), file.substr(76, 16));
    unsigned char master[32], encryption[32], check[32];
    EXPECT_EQ(crypto_pwhash(master, 32, password.data(), password.size(), u + 20, le(file, 12, 4),
                            le(file, 16, 4) * 1024, crypto_pwhash_ALG_ARGON2ID13),
              0);
    crypto_kdf_derive_from_key(encryption, 32, 1, "LBsealed", master);
    crypto_kdf_derive_from_key(check, 32, 2, "LBsealed", master);
    crypto_generichash(digest, 16, u, 60, check, 32);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(digest), 16), file.substr(60, 16));
    std::string r(file.size() - 92 - 16, '\0');
    unsigned long long length = 0;
    EXPECT_EQ(crypto_aead_xchacha20poly1305_ietf_decrypt(reinterpret_cast<unsigned char*>(r.data()),
                                                         &length, nullptr, u + 92, file.size() - 92,
                                                         u, 92, u + 36, encryption),
              0);
    AccountTable table;
    EXPECT_EQ(r.substr(0, 4), "LBa2");
    std::size_t at = 12;
    table.accounts.resize(le(r, 4, 4));
    for (Account& a : table.accounts) {
        std::copy_n(r.begin() + static_cast<std::ptrdiff_t>(at), 16, a.id.begin());
        a.created = static_cast<Timestamp>(le(r, at + 16, 8));
        a.modified = static_cast<Timestamp>(le(r, at + 24, 8));
        a.history.resize(static_cast<unsigned char>(r[at + 32]));
        at += 33;
        for (Timestamp& t : a.history) {
            t = static_cast<Timestamp>(le(r, at, 8));
            at += 8;
        }
        for (int f = 0; f < kFieldCount; ++f) {
            const auto n = static_cast<std::size_t>(le(r, at, 4));
            a.field(static_cast<Field>(f)) = r.substr(at + 4, n);
            at += 4 + n;
        }
    }
    table.removals.resize(le(r, 8, 4));
    for (Removal& x : table.removals) {
        std::copy_n(r.begin() + static_cast<std::ptrdiff_t>(at), 16, x.id.begin());
        x.removed = static_cast<Timestamp>(le(r, at + 16, 8));
        x.version = static_cast<Timestamp>(le(r, at + 24, 8));
        at += 32;
    }
    EXPECT_EQ(at, r.size());
    return table;
}

// Everything a sealed file keeps of each account.
auto versions(const std::vector<Account>& accounts) {
    std::vector<std::tuple<Account, AccountId, Timestamp, Timestamp, std::vector<Timestamp>>> out;
    for (const Account& a : accounts) {
        out.emplace_back(a, a.id, a.created, a.modified, a.history);
    }
    return out;
}

TEST(SealedFile, KeepsEveryTextIdentityAndTimeAndFollowsItsDocumentedLayout) {
    const std::vector<Removal> removals = {{newAccountId(), 5, 4}, {newAccountId(), 7, 6}};
    const std::string password = "пароль Ω";
    const std::vector<Account> written = everyScript();
    const std::string file = encodeSealedFile(written, removals, password, kCheapKdf);
    EXPECT_EQ(fileKindOf(file), FileKind::Sealed);
    const AccountTable documented = readAsTheDocumentSays(file, password);
    EXPECT_EQ(versions(documented.accounts), versions(written));
    EXPECT_EQ(documented.removals, removals);
    const DecodeResult r = decodeAccountFile(file, password);
    ASSERT_EQ(r.outcome, DecodeOutcome::Read);
    EXPECT_EQ(versions(r.accounts), versions(written));
    EXPECT_EQ(r.removals, removals);
    EXPECT_TRUE(r.identities);
    EXPECT_EQ(r.cost, kCheapKdf);
    const std::string again = encodeSealedFile(written, removals, password, kCheapKdf);
    EXPECT_NE(again.substr(20, 40), file.substr(20, 40)) << "a new salt and nonce at every save";
    // Unlike a classic file's, a near password is as wrong as any other.
    for (const char* wrong : {"пароль Ъ", "Пароль Ω", "пароль Ω ", ""}) {
        const DecodeResult near = decodeSealedFile(file, wrong);
        EXPECT_EQ(near.outcome, DecodeOutcome::WrongPassword) << wrong;
        EXPECT_TRUE(near.accounts.empty());
    }
}

TEST(SealedFile, AVersionOneFileOfTheEarlierProgramOpensToTheSameAccounts) {
    // Made by the program before text beyond Windows-1252 came: its password
    // and texts were sealed as Windows-1252 bytes.
    const std::string file = test::readBytes(LB_TEST_DATA "/sealed-v1.lockbk");
    ASSERT_EQ(le(file, 8, 2), 1u);
    const DecodeResult r = decodeAccountFile(file, "pässwörd €1");
    ASSERT_EQ(r.outcome, DecodeOutcome::Read);
    const std::vector<Account> expected = {
        {"Café €", "jürgen", "S3crét!", "https://bank.example", "line one\r\nline two"},
        {"Mail", "", "", "", ""},
        {"Škola — ½", "Øystein", "œuvre•™", "ftp://x", "© 2020"}};
    EXPECT_EQ(r.accounts, expected);
    EXPECT_FALSE(r.identities);
    EXPECT_NE(r.accounts[0].id, r.accounts[1].id) << "each account gets an identity";
    EXPECT_EQ(r.accounts[0].modified, 0) << "and no times";
    EXPECT_EQ(decodeAccountFile(file, "passwort").outcome, DecodeOutcome::WrongPassword);
    EXPECT_EQ(decodeAccountFile(file, "пароль").outcome, DecodeOutcome::WrongPassword);
}

TEST(SealedFile, RecordsThatLieAreDamagedWithTheirNumberedError) {
    std::string good = "LBa2" + std::string("\1\0\0\0\0\0\0\0", 8) + std::string(33, '\0');
    for (int f = 0; f < kFieldCount; ++f) {
        good += std::string("\1\0\0\0", 4) + "x";
    }
    ASSERT_EQ(decodeSealedRecords(good).outcome, DecodeOutcome::Read);
    const struct {
        const char* name;
        std::string records;
        ProgramError error;
    } rows[] = {
        {"another mark", "LBa3" + good.substr(4), ProgramError::BadRecordsMark},
        {"a count beyond the bytes", good.substr(0, 4) + "\xFF\xFF\xFF\x0F" + good.substr(8),
         ProgramError::FileEndsEarly},
        {"too many versions", good.substr(0, 44) + "\x11" + good.substr(45),
         ProgramError::TooMuchHistory},
        {"a text that is not UTF-8", good.substr(0, good.size() - 1) + "\xC3",
         ProgramError::TextNotUtf8},
        {"an overlong form", good.substr(0, good.size() - 5) + std::string("\2\0\0\0\xC0\xAF", 6),
         ProgramError::TextNotUtf8},
        {"a surrogate", good.substr(0, good.size() - 5) + std::string("\3\0\0\0\xED\xA0\x80", 7),
         ProgramError::TextNotUtf8},
        {"bytes after the last record", good + "!", ProgramError::BytesAfterRecords},
        {"cut short", good.substr(0, good.size() - 1), ProgramError::FileEndsEarly},
        {"one identity twice",
         "LBa2" + std::string("\2\0\0\0\0\0\0\0", 8) + good.substr(12) + good.substr(12),
         ProgramError::IdentityTwice},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const DecodeResult r = decodeSealedRecords(row.records);
        EXPECT_EQ(r.outcome, DecodeOutcome::Damaged);
        EXPECT_EQ(r.error.number, programError(row.error).number) << r.error.description;
    }
}

TEST(SealedFile, EveryChangedByteAndEveryCutIsRefused) {
    const std::string file = encodeSealedFile(test::sampleAccounts(), {}, "pw", kCheapKdf);
    for (std::size_t at = 0; at < file.size(); ++at) {
        std::string changed = file;
        changed[at] ^= 0x01;
        const DecodeResult r = decodeAccountFile(changed, "pw");
        ASSERT_NE(r.outcome, DecodeOutcome::Read) << "byte " << at;
        EXPECT_TRUE(r.accounts.empty());
        if (at >= 92) {
            EXPECT_EQ(r.error.number, programError(ProgramError::SealBroken).number) << at;
        } else if (at >= 10) {
            EXPECT_EQ(r.error.number, programError(ProgramError::SealedHeaderDamaged).number) << at;
        }
    }
    for (std::size_t length = 8; length < file.size(); ++length) {
        EXPECT_EQ(decodeSealedFile(file.substr(0, length), "pw").outcome, DecodeOutcome::Damaged)
            << "cut at " << length;
    }
}

// A file whose header says what the test wants, its checksum made to match.
std::string withHeader(std::string file, std::uint16_t version, KdfCost cost) {
    file[8] = static_cast<char>(version);
    file[9] = static_cast<char>(version >> 8);
    for (int i = 0; i < 4; ++i) {
        file[12 + i] = static_cast<char>(cost.passes >> (8 * i));
        file[16 + i] = static_cast<char>(cost.memoryKiB >> (8 * i));
    }
    crypto_generichash(reinterpret_cast<unsigned char*>(file.data()) + 76, 16,
                       reinterpret_cast<const unsigned char*>(file.data()), 76, nullptr, 0);
    return file;
}

int derivations = 0;
bool countingKey(SecretBytes& key, std::string_view password, std::string_view salt, KdfCost) {
    ++derivations;
    return argon2idKey(key, password, salt, kCheapKdf);
}

TEST(SealedFile, ANewerVersionOrACostBeyondTheLimitsIsRefusedBeforeAnyKeyIsDerived) {
    const std::string file = encodeSealedFile(test::sampleAccounts(), {}, "pw", kCheapKdf);
    const struct {
        std::uint16_t version;
        KdfCost cost;
        DecodeOutcome outcome;
        int error;
    } rows[] = {
        {3, kCheapKdf, DecodeOutcome::NewerVersion, 0},
        {0, kCheapKdf, DecodeOutcome::Damaged, 1014},
        {2, {1, kMaxKdfMemoryKiB + 1}, DecodeOutcome::Damaged, 1015},
        {2, {kMaxKdfPasses + 1, 8}, DecodeOutcome::Damaged, 1015},
        {2, {3, kMaxKdfMemoryKiB}, DecodeOutcome::Damaged, 1015},
        {2, {0, 8}, DecodeOutcome::Damaged, 1015},
        {2, {1, 7}, DecodeOutcome::Damaged, 1015},
        {2, {2, kMaxKdfMemoryKiB}, DecodeOutcome::WrongPassword, 0}, // within: the key is derived
    };
    for (const auto& row : rows) {
        derivations = 0;
        const DecodeResult r =
            decodeSealedFile(withHeader(file, row.version, row.cost), "pw", countingKey);
        EXPECT_EQ(r.outcome, row.outcome) << row.version << " " << row.cost.passes;
        EXPECT_EQ(r.error.number, row.error);
        EXPECT_EQ(derivations, row.outcome == DecodeOutcome::WrongPassword ? 1 : 0);
    }
    EXPECT_TRUE(isWithinKdfLimits(kDefaultKdfCost));
}

TEST(AccountFiles, ATableWhoseFileWouldPassTheReadersCeilingIsRefusedBeforeWriting) {
    // Two accounts of 130 MiB of notes: a file of 260 MiB, which no reader takes.
    std::vector<Account> huge(2);
    for (Account& a : huge) {
        a.id = newAccountId();
        a.notes.assign(std::size_t{130} << 20, 'n');
    }
    for (const FileKind kind : {FileKind::Sealed, FileKind::Classic}) {
        EXPECT_THROW(encodeAccountFile(kind, huge, {}, "pw", randomSource(), kCheapKdf),
                     std::length_error);
    }
    EXPECT_THROW(encodeSealedFile(huge, {}, "pw", kCheapKdf, countingKey), std::length_error);
    EXPECT_EQ(derivations, 0) << "refused before the key is derived";
}

} // namespace
} // namespace lb
