#pragma once
// The master password every fuzzer reads with and every seed is written with,
// so that mutations of a seed reach the deciphering and not only the checks.

#include "core/sealed_file.h"
#include "core/secret.h"

#include <sodium.h>
#include <string>
#include <string_view>

namespace lb::fuzz {

inline constexpr std::string_view kPassword = "fuzz me";

// A key derivation that ignores the cost a file asks for: the fuzzers must
// reach the seal and the records thousands of times a second, and a mutated
// header may ask for a gigabyte. The reader's own limits on the cost are
// still checked before this is called.
inline bool quickKey(SecretBytes& key, std::string_view password, std::string_view salt, KdfCost) {
    const std::string input = std::string(password) + '\0' + std::string(salt);
    return crypto_generichash(reinterpret_cast<unsigned char*>(key.data()), key.size(),
                              reinterpret_cast<const unsigned char*>(input.data()), input.size(),
                              nullptr, 0) == 0;
}

} // namespace lb::fuzz
