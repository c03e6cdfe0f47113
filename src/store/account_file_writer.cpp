#include "store/account_file.h"
#include "store/account_file_layout.h"
#include "store/cipher.h"

#include <array>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace lb {
namespace {

struct ColumnPlan {
    int start = 0;
    int step = 0;
    std::uint64_t length = 0; // the data text's length, the sum of the column's fields
};

constexpr std::uint64_t kMax32 = std::numeric_limits<std::uint32_t>::max();

std::uint64_t textSize(std::uint64_t length) {
    return length >= kLongTextMark ? 2 + 4 + length : 2 + length;
}

// Fills a buffer sized in advance, so the file is built without reallocation.
class ByteWriter {
public:
    explicit ByteWriter(char* out) : p_(out) {}

    void u16(std::uint16_t v) { little(v, 2); }
    void u32(std::uint32_t v) { little(v, 4); }
    void i32(std::int32_t v) { little(static_cast<std::uint32_t>(v), 4); }
    void f64(double v) {
        std::uint64_t raw = 0;
        std::memcpy(&raw, &v, sizeof raw);
        little(raw, 8);
    }
    void bytes(std::string_view b) {
        std::memcpy(p_, b.data(), b.size());
        p_ += b.size();
    }
    void textLength(std::uint64_t length) {
        if (length < kLongTextMark) {
            u16(static_cast<std::uint16_t>(length));
        } else {
            u16(kLongTextMark);
            u32(static_cast<std::uint32_t>(length));
        }
    }
    void text(std::string_view t) {
        textLength(t.size());
        bytes(t);
    }
    // Hands out the next count bytes for the caller to fill.
    char* take(std::size_t count) {
        char* at = p_;
        p_ += count;
        return at;
    }

private:
    void little(std::uint64_t v, int count) {
        for (int i = 0; i < count; ++i) {
            *p_++ = static_cast<char>(v >> (8 * i));
        }
    }

    char* p_;
};

void writeColumnText(ByteWriter& out, const std::vector<Account>& accounts, Field field,
                     const ColumnPlan& plan, FieldCipher& cipher) {
    out.textLength(plan.length);
    int shift = plan.start;
    for (const Account& account : accounts) {
        const std::string& value = account.field(field);
        cipher.apply(shift, value, out.take(value.size()));
        shift = nextRunningShift(shift, plan.step);
    }
}

// Elements 0 and N+1 are 0; element i is the running end of account i's field.
void writeColumnEnds(ByteWriter& out, const std::vector<Account>& accounts, Field field) {
    out.u16(1);
    out.u32(static_cast<std::uint32_t>(accounts.size() + 2));
    out.u32(0);
    out.f64(0);
    std::uint64_t end = 0;
    for (const Account& account : accounts) {
        end += account.field(field).size();
        out.f64(static_cast<double>(end));
    }
    out.f64(0);
}

void writeShifts(ByteWriter& out, const ColumnPlan& plan) {
    out.f64(plan.start);
    out.f64(plan.step);
}

void writeColumn(ByteWriter& out, const std::vector<Account>& accounts, Field field,
                 const ColumnPlan& plan, FieldCipher& cipher) {
    writeColumnText(out, accounts, field, plan, cipher);
    writeColumnEnds(out, accounts, field);
    writeShifts(out, plan);
}

} // namespace

std::string writeAccountFile(const std::vector<Account>& accounts, std::string_view password,
                             RandomSource& random) {
    const std::int64_t key = PasswordKey(password);
    const char plainCheck = static_cast<char>(RandomBetween(kCheckLowest, kCheckHighest, random));
    std::array<ColumnPlan, kFieldCount> plans{};
    for (ColumnPlan& plan : plans) {
        plan.start = RandomBetween(1, 254, random);
        plan.step = RandomBetween(1, 21, random);
    }

    const std::uint64_t n = accounts.size();
    if (n > kMax32 - 2) {
        throw std::length_error("too many accounts for one account file");
    }
    std::uint64_t size = 20 + kReservedSize + 8 + 3; // header, Reserved, AccountCount, Check
    for (int f = 0; f < kFieldCount; ++f) {
        for (const Account& account : accounts) {
            plans[f].length += account.field(static_cast<Field>(f)).size();
        }
        if (plans[f].length > kMax32) {
            throw std::length_error("a column is too long for one account file");
        }
        size += textSize(plans[f].length) + 10 + 8 * (n + 2) + 16;
    }

    std::string file(size, '\0');
    ByteWriter out(file.data());
    out.text(kFileSignature);
    out.i32(kWrittenVersion);
    out.i32(kWrittenVersion);

    auto plan = [&plans](Field f) -> const ColumnPlan& { return plans[static_cast<int>(f)]; };
    FieldCipher cipher(key, FieldCipher::Direction::Encipher);

    writeColumnText(out, accounts, Field::Url, plan(Field::Url), cipher);
    writeColumnEnds(out, accounts, Field::Url);
    ByteWriter reserved(out.take(kReservedSize));
    reserved.u32(plainTextCrc(accounts));
    reserved.bytes(kCrcMarker);
    writeShifts(out, plan(Field::Url));
    out.f64(static_cast<double>(n));
    writeColumn(out, accounts, Field::Password, plan(Field::Password), cipher);
    writeColumn(out, accounts, Field::UserName, plan(Field::UserName), cipher);
    out.text(ShiftText(std::string_view(&plainCheck, 1), key));
    writeColumn(out, accounts, Field::AccountName, plan(Field::AccountName), cipher);
    writeColumn(out, accounts, Field::Notes, plan(Field::Notes), cipher);
    return file;
}

bool holdsCode255(const std::vector<Account>& accounts) {
    for (const Account& account : accounts) {
        for (int f = 0; f < kFieldCount; ++f) {
            const std::string& value = account.field(static_cast<Field>(f));
            if (std::memchr(value.data(), 0xFF, value.size()) != nullptr) {
                return true;
            }
        }
    }
    return false;
}

} // namespace lb
