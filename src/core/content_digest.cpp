#include "core/content_digest.h"

#include <sodium.h>

namespace lb {

std::string contentDigest(std::string_view bytes) {
    std::string digest(crypto_generichash_BYTES, '\0');
    crypto_generichash(reinterpret_cast<unsigned char*>(digest.data()), digest.size(),
                       reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), nullptr,
                       0);
    return digest;
}

} // namespace lb
