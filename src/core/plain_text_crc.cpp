#include "core/plain_text_crc.h"

#include <algorithm>
#include <cstring>
#include <zlib.h>

namespace lb {
namespace {

constexpr std::size_t kChunkSize = 16384;

} // namespace

PlainTextCrc::PlainTextCrc() : chunks_(kChunkSize * kFieldCount) {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        columns_[i].chunk = chunks_.data() + i * kChunkSize;
    }
}

void PlainTextCrc::add(Field column, std::string_view plain) {
    Column& c = columns_[static_cast<int>(column)];
    c.length += plain.size();
    while (!plain.empty()) {
        const std::size_t n = std::min(plain.size(), kChunkSize - c.used);
        std::memcpy(c.chunk + c.used, plain.data(), n);
        c.used += n;
        plain.remove_prefix(n);
        if (c.used == kChunkSize) {
            flush(c);
        }
    }
}

void PlainTextCrc::flush(Column& c) {
    if (std::memchr(c.chunk, 0xFF, c.used) != nullptr) {
        std::replace(c.chunk, c.chunk + c.used, '\xFF', '\0');
    }
    c.crc = static_cast<std::uint32_t>(
        crc32(c.crc, reinterpret_cast<const Bytef*>(c.chunk), static_cast<uInt>(c.used)));
    c.used = 0;
}

std::uint32_t PlainTextCrc::finish() {
    std::uint32_t crc = 0;
    for (Column& c : columns_) {
        flush(c);
        crc = static_cast<std::uint32_t>(crc32_combine(crc, c.crc, static_cast<z_off_t>(c.length)));
    }
    return crc;
}

} // namespace lb
