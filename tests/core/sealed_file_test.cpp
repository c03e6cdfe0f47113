// The sealed account file: read back by a reader written from its documented
// layout alone, refused whole when any byte of it changes, and never made to
// derive a key at a cost beyond the limits.

#include "account_files.h"
#include "core/account_file.h"
#include "core/account_records.h"
#include "core/program_errors.h"
#include "core/sealed_file.h"

#include <gtest/gtest.h>
#include <sodium.h>

namespace lb {
namespace {

using test::kCheapKdf;

std::vector<Account> everyByte() {
    std::string all;
    for (int c = 0; c < 255; ++c) {
        all += static_cast<char>(c);
    }
    return {{all, "", all, "x", all}, {"", all, "", all, std::string(70000, 'n')}};
}

std::uint32_t le32(const std::string& b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8 |
           static_cast<unsigned char>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

// The steps of docs/sealed-file-format.md, with libsodium and nothing of the program's.
std::vector<Account> readAsTheDocumentSays(const std::string& file, const std::string& password) {
    const auto* u = reinterpret_cast<const unsigned char*>(file.data());
    EXPECT_EQ(file.substr(0, 8), "\x89LBK\r\n\x1A\n");
    EXPECT_EQ(u[8] | u[9] << 8, 1);
    EXPECT_EQ(u[10], crypto_pwhash_ALG_ARGON2ID13);
    unsigned char digest[16];
    crypto_generichash(digest, 16, u, 76, nullptr, 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(digest), 16), file.substr(76, 16));
    unsigned char master[32], encryption[32], check[32];
    EXPECT_EQ(crypto_pwhash(master, 32, password.data(), password.size(), u + 20, le32(file, 12),
                            std::size_t{le32(file, 16)} * 1024, crypto_pwhash_ALG_ARGON2ID13),
              0);
    crypto_kdf_derive_from_key(encryption, 32, 1, "LBsealed", master);
    crypto_kdf_derive_from_key(check, 32, 2, "LBsealed", master);
    crypto_generichash(digest, 16, u, 60, check, 32);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(digest), 16), file.substr(60, 16));
    std::string records(file.size() - 92 - 16, '\0');
    unsigned long long length = 0;
    EXPECT_EQ(crypto_aead_xchacha20poly1305_ietf_decrypt(
                  reinterpret_cast<unsigned char*>(records.data()), &length, nullptr, u + 92,
                  file.size() - 92, u, 92, u + 36, encryption),
              0);
    return decodeRecords(records, 0).accounts; // the classic records, nothing moved
}

TEST(SealedFile, ReadsBackEveryByteAndFollowsItsDocumentedLayout) {
    const std::string file = encodeSealedFile(everyByte(), "pa\xDF", kCheapKdf);
    EXPECT_EQ(fileKindOf(file), FileKind::Sealed);
    EXPECT_EQ(le32(file, 12), kCheapKdf.passes);
    EXPECT_EQ(le32(file, 16), kCheapKdf.memoryKiB);
    EXPECT_EQ(file.size(), 92 + recordsSize(everyByte()) + 16);
    EXPECT_EQ(readAsTheDocumentSays(file, "pa\xDF"), everyByte());
    const DecodeResult r = decodeAccountFile(file, "pa\xDF");
    ASSERT_EQ(r.outcome, DecodeOutcome::Read);
    EXPECT_EQ(r.accounts, everyByte());
    const std::string again = encodeSealedFile(everyByte(), "pa\xDF", kCheapKdf);
    EXPECT_NE(again.substr(20, 40), file.substr(20, 40)) << "a new salt and nonce at every save";
    EXPECT_EQ(decodeSealedFile(encodeSealedFile({}, "p", kCheapKdf), "p").outcome,
              DecodeOutcome::Read);
}

TEST(SealedFile, AWrongPasswordIsWrongEvenANearOne) {
    const std::string file = encodeSealedFile(test::sampleAccounts(), "hunter2", kCheapKdf);
    for (const char* wrong : {"hunter3", "hunter1", "Hunter2", "hunter2 ", ""}) {
        const DecodeResult r = decodeSealedFile(file, wrong);
        EXPECT_EQ(r.outcome, DecodeOutcome::WrongPassword) << wrong;
        EXPECT_TRUE(r.accounts.empty());
    }
}

TEST(SealedFile, EveryChangedByteAndEveryCutIsRefused) {
    const std::string file = encodeSealedFile(test::sampleAccounts(), "pw", kCheapKdf);
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
    const std::string file = encodeSealedFile(test::sampleAccounts(), "pw", kCheapKdf);
    const struct {
        std::uint16_t version;
        KdfCost cost;
        DecodeOutcome outcome;
        int error;
    } rows[] = {
        {2, kCheapKdf, DecodeOutcome::NewerVersion, 0},
        {0, kCheapKdf, DecodeOutcome::Damaged, 1014},
        {1, {1, kMaxKdfMemoryKiB + 1}, DecodeOutcome::Damaged, 1015},
        {1, {kMaxKdfPasses + 1, 8}, DecodeOutcome::Damaged, 1015},
        {1, {3, kMaxKdfMemoryKiB}, DecodeOutcome::Damaged, 1015},
        {1, {0, 8}, DecodeOutcome::Damaged, 1015},
        {1, {1, 7}, DecodeOutcome::Damaged, 1015},
        {1, {2, kMaxKdfMemoryKiB}, DecodeOutcome::WrongPassword, 0}, // within: the key is derived
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

} // namespace
} // namespace lb
