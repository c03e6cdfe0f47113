#include "core/sealed_file.h"

#include "core/account_records.h"
#include "core/cp1252.h"
#include "core/file_limits.h"
#include "core/program_errors.h"
#include "core/sealed_records.h"

#include <cerrno>
#include <new>
#include <optional>
#include <sodium.h>
#include <stdexcept>

namespace lb {
namespace {

// The header, byte by byte (numbers little-endian).
constexpr std::size_t kVersionAt = 8;   // u16
constexpr std::size_t kKdfAt = 10;      // u8: libsodium's number for Argon2id 1.3
constexpr std::size_t kReservedAt = 11; // u8: 0
constexpr std::size_t kPassesAt = 12;   // u32
constexpr std::size_t kMemoryAt = 16;   // u32, KiB
constexpr std::size_t kSaltAt = 20;
constexpr std::size_t kSaltSize = 16;
constexpr std::size_t kNonceAt = kSaltAt + kSaltSize;
constexpr std::size_t kNonceSize = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr std::size_t kKeyCheckAt = kNonceAt + kNonceSize;
constexpr std::size_t kDigestSize = 16;
constexpr std::size_t kChecksumAt = kKeyCheckAt + kDigestSize;
constexpr std::size_t kHeaderSize = kChecksumAt + kDigestSize;
constexpr std::size_t kTagSize = crypto_aead_xchacha20poly1305_ietf_ABYTES;

constexpr std::uint8_t kArgon2id = crypto_pwhash_ALG_ARGON2ID13;
constexpr std::size_t kKeySize = crypto_aead_xchacha20poly1305_ietf_KEYBYTES;
// The two keys derived from the password's: one encrypts, one checks the password.
constexpr char kSubkeyContext[crypto_kdf_CONTEXTBYTES] = {'L', 'B', 's', 'e', 'a', 'l', 'e', 'd'};
constexpr std::uint64_t kEncryptionSubkey = 1;
constexpr std::uint64_t kCheckSubkey = 2;

static_assert(kHeaderSize == 92);
static_assert(kKeySize == crypto_kdf_KEYBYTES && crypto_pwhash_SALTBYTES == kSaltSize);

KdfCost currentSealingCost = kDefaultKdfCost;

const unsigned char* bytesOf(std::string_view s, std::size_t at = 0) {
    return reinterpret_cast<const unsigned char*>(s.data()) + at;
}

unsigned char* bytesOf(std::string& s, std::size_t at = 0) {
    return reinterpret_cast<unsigned char*>(s.data()) + at;
}

unsigned char* bytesOf(SecretBytes& s) {
    return reinterpret_cast<unsigned char*>(s.data());
}

std::uint32_t little(std::string_view bytes, std::size_t at, std::size_t count) {
    std::uint32_t v = 0;
    for (std::size_t i = count; i-- > 0;) {
        v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return v;
}

void putLittle(std::string& bytes, std::size_t at, std::uint32_t v, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        bytes[at + i] = static_cast<char>(v >> (8 * i));
    }
}

// BLAKE2b of the first length bytes of the file, keyed or not.
void digest(unsigned char* out, std::string_view file, std::size_t length,
            const SecretBytes* key = nullptr) {
    crypto_generichash(out, kDigestSize, bytesOf(file), length,
                       key != nullptr ? reinterpret_cast<const unsigned char*>(key->data())
                                      : nullptr,
                       key != nullptr ? key->size() : 0);
}

struct Keys {
    SecretBytes encryption{kKeySize};
    SecretBytes check{kKeySize};
};

// The two subkeys, or nothing when the memory for the derivation was refused.
std::optional<Keys> deriveKeys(std::string_view password, std::string_view salt, KdfCost cost,
                               KeyDerivation derive) {
    SecretBytes master(kKeySize);
    if (!derive(master, password, salt, cost)) {
        return std::nullopt;
    }
    Keys keys;
    const auto* m = reinterpret_cast<const unsigned char*>(master.data());
    crypto_kdf_derive_from_key(bytesOf(keys.encryption), kKeySize, kEncryptionSubkey,
                               kSubkeyContext, m);
    crypto_kdf_derive_from_key(bytesOf(keys.check), kKeySize, kCheckSubkey, kSubkeyContext, m);
    return keys;
}

DecodeResult damaged(ProgramError e) {
    return damagedBy(programError(e));
}

// Version 1 held the classic records: Windows-1252 text, no identities.
DecodeResult fromVersion1Records(DecodeResult result) {
    if (result.outcome != DecodeOutcome::Read) {
        return result;
    }
    for (Account& a : result.accounts) {
        for (int f = 0; f < kFieldCount; ++f) {
            std::string& text = a.field(static_cast<Field>(f));
            std::string converted = cp1252::toUtf8(text);
            wipeText(text);
            text = std::move(converted);
        }
        a.id = newAccountId();
    }
    return result;
}

} // namespace

bool isWithinKdfLimits(KdfCost cost) {
    return cost.passes >= crypto_pwhash_OPSLIMIT_MIN && cost.passes <= kMaxKdfPasses &&
           std::uint64_t{cost.memoryKiB} * 1024 >= crypto_pwhash_MEMLIMIT_MIN &&
           cost.memoryKiB <= kMaxKdfMemoryKiB &&
           std::uint64_t{cost.passes} * cost.memoryKiB <= kMaxKdfWork;
}

bool argon2idKey(SecretBytes& key, std::string_view password, std::string_view salt, KdfCost cost) {
    return crypto_pwhash(bytesOf(key), key.size(), password.data(), password.size(), bytesOf(salt),
                         cost.passes, std::size_t{cost.memoryKiB} * 1024,
                         crypto_pwhash_ALG_ARGON2ID13) == 0;
}

bool isSealedFile(std::string_view fileBytes) {
    return fileBytes.substr(0, kSealedMagic.size()) == kSealedMagic;
}

std::string sealRecords(std::string_view records, std::string_view password, KdfCost cost,
                        std::uint16_t version, KeyDerivation derive) {
    if (sodium_init() < 0) {
        throw std::bad_alloc();
    }
    std::string file(kHeaderSize + records.size() + kTagSize, '\0');
    file.replace(0, kSealedMagic.size(), kSealedMagic);
    putLittle(file, kVersionAt, version, 2);
    file[kKdfAt] = static_cast<char>(kArgon2id);
    putLittle(file, kPassesAt, cost.passes, 4);
    putLittle(file, kMemoryAt, cost.memoryKiB, 4);
    randombytes_buf(bytesOf(file, kSaltAt), kSaltSize);
    randombytes_buf(bytesOf(file, kNonceAt), kNonceSize);
    const auto keys =
        deriveKeys(password, std::string_view(file).substr(kSaltAt, kSaltSize), cost, derive);
    if (!keys) {
        throw std::bad_alloc();
    }
    digest(bytesOf(file, kKeyCheckAt), file, kKeyCheckAt, &keys->check);
    digest(bytesOf(file, kChecksumAt), file, kChecksumAt);
    unsigned long long sealedSize = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(
        bytesOf(file, kHeaderSize), &sealedSize, bytesOf(records), records.size(), bytesOf(file),
        kHeaderSize, nullptr, bytesOf(file, kNonceAt),
        reinterpret_cast<const unsigned char*>(keys->encryption.data()));
    return file;
}

std::string encodeSealedFile(const std::vector<Account>& accounts,
                             const std::vector<Removal>& removals, std::string_view password,
                             KdfCost cost, KeyDerivation derive) {
    const std::size_t size = sealedRecordsSize(accounts, removals);
    // Refused before the key is derived: a file its readers would refuse
    // must not be written at all.
    if (kHeaderSize + size + kTagSize > kMaxFileBytes) {
        throw std::length_error("the accounts are too many or too long for one account file");
    }
    SecretBytes records(size);
    writeSealedRecords(accounts, removals, records.data());
    return sealRecords(records.view(), password, cost, kSealedVersion, derive);
}

std::optional<KdfCost> sealedCostOf(std::string_view file) {
    if (!isSealedFile(file) || file.size() < kHeaderSize) {
        return std::nullopt;
    }
    return KdfCost{little(file, kPassesAt, 4), little(file, kMemoryAt, 4)};
}

UnsealedRecords unsealRecords(std::string_view file, std::string_view password,
                              std::uint16_t highestVersion, KeyDerivation derive) {
    UnsealedRecords out;
    const auto refuse = [](DecodeOutcome outcome) {
        UnsealedRecords refused;
        refused.outcome = outcome;
        return refused;
    };
    const auto damaged = [](Error error) {
        UnsealedRecords refused;
        refused.error = std::move(error);
        return refused;
    };
    if (sodium_init() < 0) {
        return damaged(systemError(ENOMEM));
    }
    // The version decides first: a newer program may lay out its header otherwise.
    if (file.size() >= kVersionAt + 2 && little(file, kVersionAt, 2) > highestVersion) {
        return refuse(DecodeOutcome::NewerVersion);
    }
    if (file.size() < kHeaderSize + kTagSize) {
        return damaged(programError(ProgramError::FileEndsEarly));
    }
    unsigned char checksum[kDigestSize];
    digest(checksum, file, kChecksumAt);
    out.version = static_cast<std::uint16_t>(little(file, kVersionAt, 2));
    if (sodium_memcmp(checksum, bytesOf(file, kChecksumAt), kDigestSize) != 0 || out.version < 1 ||
        static_cast<unsigned char>(file[kKdfAt]) != kArgon2id || file[kReservedAt] != 0) {
        return damaged(programError(ProgramError::SealedHeaderDamaged));
    }
    out.cost = KdfCost{little(file, kPassesAt, 4), little(file, kMemoryAt, 4)};
    if (!isWithinKdfLimits(out.cost)) {
        return damaged(programError(ProgramError::KdfBeyondLimits));
    }
    std::optional<SecretBytes> codePagePassword;
    if (out.version == 1) {
        // Sealed with the password's Windows-1252 bytes: one outside the code
        // page cannot be this file's.
        codePagePassword = cp1252::secretFromUtf8(password);
        if (!codePagePassword) {
            return refuse(DecodeOutcome::WrongPassword);
        }
        password = codePagePassword->view();
    }
    const auto keys = deriveKeys(password, file.substr(kSaltAt, kSaltSize), out.cost, derive);
    if (!keys) {
        return damaged(systemError(ENOMEM));
    }
    unsigned char keyCheck[kDigestSize];
    digest(keyCheck, file, kKeyCheckAt, &keys->check);
    if (sodium_memcmp(keyCheck, bytesOf(file, kKeyCheckAt), kDigestSize) != 0) {
        return refuse(DecodeOutcome::WrongPassword);
    }
    const std::size_t sealedSize = file.size() - kHeaderSize;
    SecretBytes records(sealedSize - kTagSize);
    unsigned long long recordsLength = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(
            reinterpret_cast<unsigned char*>(records.data()), &recordsLength, nullptr,
            bytesOf(file, kHeaderSize), sealedSize, bytesOf(file), kHeaderSize,
            bytesOf(file, kNonceAt),
            reinterpret_cast<const unsigned char*>(keys->encryption.data())) != 0) {
        return damaged(programError(ProgramError::SealBroken));
    }
    out.records = std::move(records);
    out.outcome = DecodeOutcome::Read;
    return out;
}

DecodeResult decodeSealedFile(std::string_view file, std::string_view password,
                              KeyDerivation derive) {
    UnsealedRecords unsealed = unsealRecords(file, password, kSealedVersion, derive);
    if (unsealed.outcome != DecodeOutcome::Read) {
        DecodeResult refused = refusedAs(unsealed.outcome);
        refused.error = std::move(unsealed.error);
        return refused;
    }
    DecodeResult result = unsealed.version == 1
                              ? fromVersion1Records(decodeRecords(unsealed.records.view(), 0))
                              : decodeSealedRecords(unsealed.records.view());
    if (result.outcome != DecodeOutcome::Read && result.outcome != DecodeOutcome::Damaged) {
        // Authenticated records that are not this program's were never written by it.
        return damaged(ProgramError::SealBroken);
    }
    result.cost = unsealed.cost;
    return result;
}

KdfCost sealingCost() {
    return currentSealingCost;
}

void setSealingCost(KdfCost cost) {
    currentSealingCost = cost;
}

} // namespace lb
