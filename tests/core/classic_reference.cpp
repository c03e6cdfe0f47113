#include "classic_reference.h"

#include "core/cipher.h"

#include <cstring>
#include <zlib.h>

namespace lb::test {
namespace {

std::string le16(std::uint16_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

std::string le32(std::uint32_t v) {
    return le16(static_cast<std::uint16_t>(v & 0xFFFF)) + le16(static_cast<std::uint16_t>(v >> 16));
}

std::string f64(double v) {
    std::uint64_t raw = 0;
    std::memcpy(&raw, &v, sizeof raw);
    return le32(static_cast<std::uint32_t>(raw)) + le32(static_cast<std::uint32_t>(raw >> 32));
}

std::string text(const std::string& t) {
    if (t.size() >= 0xFFFF) {
        return le16(0xFFFF) + le32(static_cast<std::uint32_t>(t.size())) + t;
    }
    return le16(static_cast<std::uint16_t>(t.size())) + t;
}

std::string list(const ColumnParts& c) {
    std::string out = le16(c.dimensions) +
                      le32(c.declaredCount.value_or(static_cast<std::uint32_t>(c.ends.size()))) +
                      le32(c.lowerBound);
    for (double e : c.ends) {
        out += f64(e);
    }
    return out;
}

std::string shifts(const ColumnParts& c) {
    return f64(c.start) + f64(c.step);
}

} // namespace

std::string FileParts::bytes() const {
    auto c = [this](Field f) -> const ColumnParts& { return columns[static_cast<int>(f)]; };
    std::string out = text(signature) + le32(static_cast<std::uint32_t>(programVersion)) +
                      le32(static_cast<std::uint32_t>(formatVersion));
    out += text(c(Field::Url).data) + list(c(Field::Url)) + reserved + shifts(c(Field::Url)) +
           f64(accountCount);
    for (Field f : {Field::Password, Field::UserName}) {
        out += text(c(f).data) + list(c(f)) + shifts(c(f));
    }
    out += text(check);
    for (Field f : {Field::AccountName, Field::Notes}) {
        out += text(c(f).data) + list(c(f)) + shifts(c(f));
    }
    return out;
}

FileParts referenceParts(const std::vector<Account>& accounts, std::string_view password, int check,
                         const ColumnDraws& draws) {
    const std::int64_t key = PasswordKey(password);
    FileParts parts;
    parts.accountCount = static_cast<double>(accounts.size());
    parts.check = ShiftText(std::string(1, static_cast<char>(check)), key);
    std::string plain;
    for (int f = 0; f < 5; ++f) {
        ColumnParts& column = parts.columns[f];
        column.start = draws[f].start;
        column.step = draws[f].step;
        column.ends.assign(accounts.size() + 2, 0);
        int shift = draws[f].start;
        for (std::size_t i = 0; i < accounts.size(); ++i) {
            const std::string& value = accounts[i].field(static_cast<Field>(f));
            column.data += ShiftText(ShiftText(value, shift), key);
            column.ends[i + 1] = column.ends[i] + static_cast<double>(value.size());
            shift += draws[f].step;
            if (shift > 255) {
                shift -= 255;
            }
            for (char ch : value) {
                plain += ch == '\xFF' ? '\0' : ch;
            }
        }
    }
    const auto crc =
        crc32(0, reinterpret_cast<const Bytef*>(plain.data()), static_cast<uInt>(plain.size()));
    parts.reserved = le32(static_cast<std::uint32_t>(crc)) + "LBc1";
    return parts;
}

} // namespace lb::test
