#include "core/account_records.h"
#include "core/account_records_layout.h"
#include "core/cipher.h"
#include "core/plain_text_crc.h"

#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace lb {
namespace {

constexpr std::uint64_t kMax32 = std::numeric_limits<std::uint32_t>::max();

// One column while the file is built: its draws, its data text's length, and
// where its data and its ends go in the file.
struct Column {
    int start = 0;
    int step = 0;
    std::uint64_t length = 0; // the sum of the column's fields
    char* data = nullptr;
    char* ends = nullptr; // element 1 of the ends list
};

std::uint64_t textSize(std::uint64_t length) {
    return length >= kLongTextMark ? 2 + 4 + length : 2 + length;
}

void storeLittle(char* at, std::uint64_t v, std::size_t count) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(at, &v, count);
    } else {
        for (std::size_t i = 0; i < count; ++i) {
            at[i] = static_cast<char>(v >> (8 * i));
        }
    }
}

void storeF64(char* at, double v) {
    std::uint64_t raw = 0;
    std::memcpy(&raw, &v, sizeof raw);
    storeLittle(at, raw, 8);
}

// Fills a buffer sized in advance, so the file is built without reallocation.
class ByteWriter {
public:
    explicit ByteWriter(char* out) : p_(out) {}

    void u16(std::uint16_t v) { little(v, 2); }
    void u32(std::uint32_t v) { little(v, 4); }
    void i32(std::int32_t v) { little(static_cast<std::uint32_t>(v), 4); }
    void f64(double v) {
        storeF64(p_, v);
        p_ += 8;
    }
    void bytes(std::string_view b) {
        std::memcpy(p_, b.data(), b.size());
        p_ += b.size();
    }
    void text(std::string_view t) {
        textLength(t.size());
        bytes(t);
    }
    void textLength(std::uint64_t length) {
        if (length < kLongTextMark) {
            u16(static_cast<std::uint16_t>(length));
        } else {
            u16(kLongTextMark);
            u32(static_cast<std::uint32_t>(length));
        }
    }
    // Hands out the next count bytes, to be filled later.
    char* take(std::size_t count) {
        char* at = p_;
        p_ += count;
        return at;
    }

private:
    void little(std::uint64_t v, std::size_t count) {
        storeLittle(p_, v, count);
        p_ += count;
    }

    char* p_;
};

// The column's data text and ends list with room for their contents; the
// list's first and last elements are the zeros of the zero-filled buffer.
void placeColumnData(ByteWriter& out, Column& c, std::size_t accountCount) {
    out.textLength(c.length);
    c.data = out.take(c.length);
    out.u16(1);
    out.u32(static_cast<std::uint32_t>(accountCount + 2));
    out.u32(0);
    c.ends = out.take(8 * (accountCount + 2)) + 8;
}

void placeShifts(ByteWriter& out, const Column& c) {
    out.f64(c.start);
    out.f64(c.step);
}

void placeColumn(ByteWriter& out, Column& c, std::size_t accountCount) {
    placeColumnData(out, c, accountCount);
    placeShifts(out, c);
}

// The columns' lengths: the sum of each column's fields.
std::array<std::uint64_t, kFieldCount> columnLengths(const std::vector<Account>& accounts) {
    std::array<std::uint64_t, kFieldCount> lengths{};
    for (const Account& account : accounts) {
        for (int f = 0; f < kFieldCount; ++f) {
            lengths[f] += (account.*kColumnMembers[f]).size();
        }
    }
    return lengths;
}

std::size_t sizeFor(const std::array<std::uint64_t, kFieldCount>& lengths, std::size_t n) {
    if (n > kMax32 - 2) {
        throw std::length_error("too many accounts for one account file");
    }
    std::uint64_t size = 20 + kReservedSize + 8 + 3; // header, Reserved, AccountCount, Check
    for (const std::uint64_t length : lengths) {
        if (length > kMax32) {
            throw std::length_error("a column is too long for one account file");
        }
        size += textSize(length) + 10 + 8 * (n + 2) + 16;
    }
    return static_cast<std::size_t>(size);
}

} // namespace

std::size_t recordsSize(const std::vector<Account>& accounts) {
    return sizeFor(columnLengths(accounts), accounts.size());
}

void writeRecords(const std::vector<Account>& accounts, const RecordShifts& shifts, char* file) {
    const std::size_t n = accounts.size();
    const auto lengths = columnLengths(accounts);
    std::array<Column, kFieldCount> columns{};
    for (int f = 0; f < kFieldCount; ++f) {
        columns[f] = {shifts.columns[f].start, shifts.columns[f].step, lengths[f], nullptr,
                      nullptr};
    }
    // Every byte not written below is a zero, the ends lists' first and last elements among them.
    std::memset(file, 0, sizeFor(lengths, n));

    // Lay out every record first, leaving room for the data texts and ends.
    ByteWriter out(file);
    out.text(kFileSignature);
    out.i32(kWrittenVersion);
    out.i32(kWrittenVersion);
    auto column = [&columns](Field f) -> Column& { return columns[static_cast<int>(f)]; };
    placeColumnData(out, column(Field::Url), n);
    char* reserved = out.take(kReservedSize);
    placeShifts(out, column(Field::Url));
    out.f64(static_cast<double>(n));
    placeColumn(out, column(Field::Password), n);
    placeColumn(out, column(Field::UserName), n);
    out.text(ShiftText(std::string_view(&shifts.plainCheck, 1), shifts.key));
    placeColumn(out, column(Field::AccountName), n);
    placeColumn(out, column(Field::Notes), n);

    // Then fill them account by account, in one pass over the table.
    const FieldCipher cipher(shifts.key, FieldCipher::Direction::Encipher);
    PlainTextCrc crc;
    std::array<int, kFieldCount> running{};
    std::array<std::uint64_t, kFieldCount> ends{};
    for (int f = 0; f < kFieldCount; ++f) {
        running[f] = columns[f].start;
    }
    for (std::size_t i = 0; i < n; ++i) {
        for (int f = 0; f < kFieldCount; ++f) {
            const std::string& value = accounts[i].*kColumnMembers[f];
            Column& c = columns[f];
            cipher.apply(running[f], value, c.data + ends[f]);
            crc.add(static_cast<Field>(f), value);
            ends[f] += value.size();
            storeF64(c.ends + 8 * i, static_cast<double>(ends[f]));
            running[f] = nextRunningShift(running[f], c.step);
        }
    }
    storeLittle(reserved, crc.finish(), 4);
    std::memcpy(reserved + 4, kCrcMarker.data(), kCrcMarker.size());
}

} // namespace lb
