#pragma once
// The sealed account file: the account records (core/account_records.h)
// encrypted with XChaCha20-Poly1305 under a key that Argon2id derives from the
// master password and a fresh random salt. The header (magic, version, the
// derivation's cost, salt, nonce, a key check and a checksum) is authenticated
// with the records, so no byte of the file can change unnoticed. Every save
// draws a new salt and nonce. Byte by byte: docs/sealed-file-format.md.
// Pure: no I/O; cryptography only through libsodium.

#include "core/account.h"
#include "core/decode_result.h"
#include "core/secret.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lb {

inline constexpr std::string_view kSealedMagic = "\x89LBK\r\n\x1A\n";

// What deriving the key costs: Argon2id's passes over its memory.
struct KdfCost {
    std::uint32_t passes = 0;
    std::uint32_t memoryKiB = 0;
    bool operator==(const KdfCost&) const = default;
};

// About half a second on a two-core machine of 2026, with 128 MiB.
inline constexpr KdfCost kDefaultKdfCost{7, 128 * 1024};

// The most a file may ask of a reader, so that a hostile file can neither
// exhaust memory nor hang the program: 1 GiB, 32 passes, and no more work
// than two passes over 1 GiB (a few seconds).
inline constexpr std::uint32_t kMaxKdfMemoryKiB = 1024 * 1024;
inline constexpr std::uint32_t kMaxKdfPasses = 32;
inline constexpr std::uint64_t kMaxKdfWork = 2ULL * kMaxKdfMemoryKiB;
bool isWithinKdfLimits(KdfCost cost);

// Fills the 32-byte key from the password and the 16-byte salt; false when
// the system could not give the memory.
using KeyDerivation = bool (*)(SecretBytes& key, std::string_view password, std::string_view salt,
                               KdfCost cost);
// Argon2id, version 1.3, as libsodium's crypto_pwhash computes it.
bool argon2idKey(SecretBytes& key, std::string_view password, std::string_view salt, KdfCost cost);

// True when the bytes start with the sealed file's magic.
bool isSealedFile(std::string_view fileBytes);

// password holds the Windows-1252 bytes as typed. A wrong password is
// WrongPassword; a file whose header, cost, seal or records fail a check is
// Damaged with a numbered error; a version above this program's is NewerVersion.
DecodeResult decodeSealedFile(std::string_view fileBytes, std::string_view password,
                              KeyDerivation derive = argon2idKey);

// The sealed file of the accounts. Throws std::bad_alloc when the memory for
// the key or the records cannot be had, std::length_error for a table the
// records cannot describe.
std::string encodeSealedFile(const std::vector<Account>& accounts, std::string_view password,
                             KdfCost cost, KeyDerivation derive = argon2idKey);

// Seals records already laid out (the fuzzer seals its own).
std::string sealRecords(std::string_view records, std::string_view password, KdfCost cost,
                        KeyDerivation derive = argon2idKey);

// The cost new files are sealed with: kDefaultKdfCost, unless a test asked for
// less so that it need not wait at every save.
KdfCost sealingCost();
void setSealingCost(KdfCost cost);

} // namespace lb
