#pragma once
// Little-endian reads from untrusted bytes. Every read is checked against the
// bytes that remain; the first read that does not fit fails and leaves the
// position where it was, so a caller can stop at once with a clean error.

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace lb {

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    std::size_t remaining() const { return bytes_.size() - pos_; }

    bool bytes(std::size_t count, std::string_view& out) {
        if (count > remaining()) {
            return false;
        }
        out = bytes_.substr(pos_, count);
        pos_ += count;
        return true;
    }

    bool u16(std::uint16_t& out) { return little(out); }
    bool u32(std::uint32_t& out) { return little(out); }

    bool i32(std::int32_t& out) {
        std::uint32_t raw = 0;
        if (!little(raw)) {
            return false;
        }
        out = static_cast<std::int32_t>(raw);
        return true;
    }

    bool f64(double& out) {
        std::uint64_t raw = 0;
        if (!little(raw)) {
            return false;
        }
        std::memcpy(&out, &raw, sizeof out);
        return true;
    }

private:
    template <typename Unsigned> bool little(Unsigned& out) {
        std::string_view raw;
        if (!bytes(sizeof(Unsigned), raw)) {
            return false;
        }
        Unsigned value = 0;
        for (std::size_t i = sizeof(Unsigned); i-- > 0;) {
            value = static_cast<Unsigned>(value << 8 | static_cast<unsigned char>(raw[i]));
        }
        out = value;
        return true;
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// An f64 stored by the little-endian writer, from 8 bytes at p.
inline double littleF64(const char* p) {
    double value = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&value, p, sizeof value);
    } else {
        std::uint64_t raw = 0;
        for (std::size_t i = 8; i-- > 0;) {
            raw = raw << 8 | static_cast<unsigned char>(p[i]);
        }
        std::memcpy(&value, &raw, sizeof value);
    }
    return value;
}

} // namespace lb
