#pragma once
// The sealed account file: the account records encrypted with
// XChaCha20-Poly1305 under a key that Argon2id derives from the master
// password and a fresh random salt. Version 2 (core/sealed_records.h) holds
// UTF-8 text with identities and times; version 1, still read, held the
// classic records (core/account_records.h) in Windows-1252. The header (magic, version, the
// derivation's cost, salt, nonce, a key check and a checksum) is authenticated
// with the records, so no byte of the file can change unnoticed. Every save
// draws a new salt and nonce. Byte by byte: docs/sealed-file-format.md.
// Pure: no I/O; cryptography only through libsodium.

#include "core/account.h"
#include "core/decode_result.h"
#include "core/kdf_cost.h"
#include "core/secret.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lb {

inline constexpr std::string_view kSealedMagic = "\x89LBK\r\n\x1A\n";

// The version this program writes; it reads every version up to it.
inline constexpr std::uint16_t kSealedVersion = 2;

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

// password is the master password in UTF-8 as typed (version 1 files were
// sealed with its Windows-1252 bytes). A wrong password is WrongPassword; a
// file whose header, cost, seal or records fail a check is Damaged with a
// numbered error; a version above this program's is NewerVersion.
DecodeResult decodeSealedFile(std::string_view fileBytes, std::string_view password,
                              KeyDerivation derive = argon2idKey);

// The sealed file (version 2) of the accounts and removals. Throws
// std::bad_alloc when the memory for the key or the records cannot be had,
// std::length_error for a table the records cannot describe.
std::string encodeSealedFile(const std::vector<Account>& accounts,
                             const std::vector<Removal>& removals, std::string_view password,
                             KdfCost cost, KeyDerivation derive = argon2idKey);

// Seals records already laid out under the given version's header (the fuzzer
// seals its own, and a test keeps a version 1 file). password is sealed as
// the bytes given.
std::string sealRecords(std::string_view records, std::string_view password, KdfCost cost,
                        std::uint16_t version = kSealedVersion, KeyDerivation derive = argon2idKey);

// The decrypted records of a sealed file whose version is at most
// highestVersion, after every check of its header, cost, key and seal.
struct UnsealedRecords {
    DecodeOutcome outcome = DecodeOutcome::Damaged;
    Error error; // when outcome == Damaged
    std::uint16_t version = 0;
    KdfCost cost;
    SecretBytes records; // when outcome == Read
};
UnsealedRecords unsealRecords(std::string_view file, std::string_view password,
                              std::uint16_t highestVersion, KeyDerivation derive = argon2idKey);

// The cost a sealed file's header names; nothing when it is no sealed file.
std::optional<KdfCost> sealedCostOf(std::string_view fileBytes);

// The cost new files are sealed with: kDefaultKdfCost, unless a test asked for
// less so that it need not wait at every save.
KdfCost sealingCost();
void setSealingCost(KdfCost cost);

} // namespace lb
