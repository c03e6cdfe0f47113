#pragma once
// Bytes that must not outlive their use: a master password, a derived key, a
// decrypted account table. They live in memory that is locked (never written
// to swap), fenced by guard pages, and wiped when let go. Move-only, so that
// no copy is ever made by accident.

#include <cstddef>
#include <string_view>

namespace lb {

class SecretBytes {
public:
    SecretBytes() = default;
    // Room for size bytes, not yet filled. Throws std::bad_alloc when the
    // system refuses locked memory.
    explicit SecretBytes(std::size_t size);
    // A locked copy of bytes.
    explicit SecretBytes(std::string_view bytes);
    ~SecretBytes();
    SecretBytes(SecretBytes&& other) noexcept;
    SecretBytes& operator=(SecretBytes&& other) noexcept;
    SecretBytes(const SecretBytes&) = delete;
    SecretBytes& operator=(const SecretBytes&) = delete;

    char* data() { return data_; }
    const char* data() const { return data_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::string_view view() const { return {data_, size_}; }
    bool operator==(std::string_view bytes) const { return view() == bytes; }

    // Wipes and frees the bytes, leaving an empty secret.
    void clear();

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
};

// Wipes bytes in ordinary memory, such as a buffer a secret passed through.
void wipe(void* bytes, std::size_t size);

} // namespace lb
