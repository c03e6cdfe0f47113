#include "core/secret.h"

#include <cstring>
#include <new>
#include <sodium.h>
#include <utility>

namespace lb {

SecretBytes::SecretBytes(std::size_t size) {
    if (size == 0) {
        return;
    }
    if (sodium_init() < 0) {
        throw std::bad_alloc();
    }
    data_ = static_cast<char*>(sodium_malloc(size));
    if (data_ == nullptr) {
        throw std::bad_alloc();
    }
    size_ = size;
}

SecretBytes::SecretBytes(std::string_view bytes) : SecretBytes(bytes.size()) {
    if (!bytes.empty()) {
        std::memcpy(data_, bytes.data(), bytes.size());
    }
}

SecretBytes::~SecretBytes() {
    clear();
}

SecretBytes::SecretBytes(SecretBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

SecretBytes& SecretBytes::operator=(SecretBytes&& other) noexcept {
    if (this != &other) {
        clear();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

void SecretBytes::clear() {
    // sodium_free wipes the bytes before it unlocks and frees them.
    sodium_free(data_);
    data_ = nullptr;
    size_ = 0;
}

void wipe(void* bytes, std::size_t size) {
    sodium_memzero(bytes, size);
}

} // namespace lb
