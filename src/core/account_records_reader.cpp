#include "core/account_records.h"
#include "core/account_records_layout.h"
#include "core/byte_reader.h"
#include "core/cipher.h"
#include "core/plain_text_crc.h"
#include "core/program_errors.h"

#include <array>
#include <optional>

namespace lb {
namespace {

// One column as the file holds it, before any of it is trusted.
struct ColumnRecords {
    std::string_view data;
    std::string_view ends; // the raw f64 elements
    std::uint32_t endCount = 0;
    double start = 0;
    double step = 0;
};

struct Body {
    std::array<ColumnRecords, kFieldCount> columns; // indexed by Field
    std::string_view reserved;
    double accountCount = 0;
    std::string_view check;
};

// Reads records in file order; the first failure sticks and later reads do nothing.
class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) : in_(bytes) {}

    const std::optional<ProgramError>& failure() const { return failure_; }

    void text(std::string_view& out) {
        std::uint16_t shortLength = 0;
        if (!ok()) {
            return;
        }
        if (!in_.u16(shortLength)) {
            return fail(ProgramError::FileEndsEarly);
        }
        std::uint32_t length = shortLength;
        if (shortLength == kLongTextMark && !in_.u32(length)) {
            return fail(ProgramError::FileEndsEarly);
        }
        if (!in_.bytes(length, out)) {
            fail(ProgramError::FileEndsEarly);
        }
    }

    void i32(std::int32_t& out) {
        if (ok() && !in_.i32(out)) {
            fail(ProgramError::FileEndsEarly);
        }
    }

    void f64(double& out) {
        if (ok() && !in_.f64(out)) {
            fail(ProgramError::FileEndsEarly);
        }
    }

    void bytes(std::size_t count, std::string_view& out) {
        if (ok() && !in_.bytes(count, out)) {
            fail(ProgramError::FileEndsEarly);
        }
    }

    // A number list: one dimension, an element count, lower bound 0, the elements.
    void numberList(std::string_view& elements, std::uint32_t& count) {
        std::uint16_t dimensions = 0;
        std::uint32_t lowerBound = 0;
        if (!ok()) {
            return;
        }
        if (!in_.u16(dimensions) || !in_.u32(count) || !in_.u32(lowerBound)) {
            return fail(ProgramError::FileEndsEarly);
        }
        if (dimensions != 1) {
            return fail(ProgramError::BadListDimension);
        }
        if (lowerBound != 0) {
            return fail(ProgramError::BadListLowerBound);
        }
        if (count > in_.remaining() / 8) {
            return fail(ProgramError::ListLongerThanFile);
        }
        in_.bytes(std::size_t{count} * 8, elements);
    }

    void column(ColumnRecords& c) {
        columnData(c);
        f64(c.start);
        f64(c.step);
    }

    void columnData(ColumnRecords& c) {
        text(c.data);
        numberList(c.ends, c.endCount);
    }

private:
    bool ok() const { return !failure_; }
    void fail(ProgramError e) { failure_ = e; }

    ByteReader in_;
    std::optional<ProgramError> failure_;
};

DecodeResult damaged(ProgramError e) {
    return damagedBy(programError(e));
}

// lowest is at least 0 and highest below 2^53, so the conversion is exact
// for every value that passes the range test (and false for NaN).
bool isWholeIn(double value, double lowest, double highest) {
    return value >= lowest && value <= highest &&
           static_cast<double>(static_cast<std::uint64_t>(value)) == value;
}

std::optional<ProgramError> checkShape(const Body& body) {
    // Every list has N + 2 elements, so each account costs the file at least
    // 40 bytes of ends: the count can never ask for more than the file justifies.
    if (!isWholeIn(body.accountCount, 0, 4294967293.0)) {
        return ProgramError::BadAccountCount;
    }
    const auto n = static_cast<std::uint64_t>(body.accountCount);
    for (const ColumnRecords& c : body.columns) {
        if (c.endCount != n + 2) {
            return ProgramError::EndsListWrongLength;
        }
        // Shifts from 0 to 255 keep every running shift from 0 to 255.
        if (!isWholeIn(c.start, 0, 255) || !isWholeIn(c.step, 0, 255)) {
            return ProgramError::BadColumnShift;
        }
    }
    if (body.check.empty()) {
        return ProgramError::MissingCheckCharacter;
    }
    return std::nullopt;
}

// Where a column's reading stands: the end of the last field and the running shift.
struct ColumnCursor {
    const ColumnRecords* records = nullptr;
    double previousEnd = 0;
    int shift = 0;
    int step = 0;
};

// Deciphers the fields into the accounts row by row, checking each end
// against the one before it and against the data it points into.
bool readFields(const Body& body, std::int64_t key, std::vector<Account>& accounts,
                PlainTextCrc& crc) {
    std::array<ColumnCursor, kFieldCount> cursors;
    for (int f = 0; f < kFieldCount; ++f) {
        const ColumnRecords& c = body.columns[f];
        cursors[f] = {&c, littleF64(c.ends.data()), static_cast<int>(c.start),
                      static_cast<int>(c.step)};
        if (!isWholeIn(cursors[f].previousEnd, 0, static_cast<double>(c.data.size()))) {
            return false;
        }
    }
    const FieldCipher cipher(key, FieldCipher::Direction::Decipher);
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        for (int f = 0; f < kFieldCount; ++f) {
            ColumnCursor& cursor = cursors[f];
            const ColumnRecords& c = *cursor.records;
            const double end = littleF64(c.ends.data() + 8 * (i + 1));
            if (!isWholeIn(end, cursor.previousEnd, static_cast<double>(c.data.size()))) {
                return false;
            }
            const auto from = static_cast<std::size_t>(cursor.previousEnd);
            const auto length = static_cast<std::size_t>(end) - from;
            std::string& value = accounts[i].*kColumnMembers[f];
            value.resize(length);
            cipher.apply(cursor.shift, c.data.substr(from, length), value.data());
            crc.add(static_cast<Field>(f), value);
            cursor.shift = nextRunningShift(cursor.shift, cursor.step);
            cursor.previousEnd = end;
        }
    }
    return true;
}

} // namespace

DecodeResult decodeRecords(std::string_view fileBytes, std::int64_t key) {
    RecordReader in(fileBytes);
    std::string_view signature;
    std::int32_t programVersion = 0;
    std::int32_t formatVersion = 0;
    in.text(signature);
    in.i32(programVersion);
    in.i32(formatVersion);
    if (in.failure()) {
        return damaged(*in.failure());
    }
    // The header is judged before the body is read, so a foreign file or one
    // from a newer program gets its own answer rather than "damaged".
    if (signature != kFileSignature) {
        return refusedAs(DecodeOutcome::NotAccountFile);
    }
    if (formatVersion > kWrittenVersion && formatVersion != kAlsoReadableVersion) {
        return refusedAs(DecodeOutcome::NewerVersion);
    }

    Body body;
    auto column = [&body](Field f) -> ColumnRecords& { return body.columns[static_cast<int>(f)]; };
    in.columnData(column(Field::Url));
    in.bytes(kReservedSize, body.reserved);
    in.f64(column(Field::Url).start);
    in.f64(column(Field::Url).step);
    in.f64(body.accountCount);
    in.column(column(Field::Password));
    in.column(column(Field::UserName));
    in.text(body.check);
    in.column(column(Field::AccountName));
    in.column(column(Field::Notes));
    if (in.failure()) {
        return damaged(*in.failure());
    }
    if (const auto shapeError = checkShape(body)) {
        return damaged(*shapeError);
    }

    const int check = shiftCode(static_cast<unsigned char>(body.check[0]), -key);
    if (check < kCheckLowest || check > kCheckHighest) {
        return refusedAs(DecodeOutcome::WrongPassword);
    }

    DecodeResult result;
    result.accounts.resize(static_cast<std::size_t>(body.accountCount));
    PlainTextCrc crc;
    if (!readFields(body, key, result.accounts, crc)) {
        return damaged(ProgramError::BadEndPosition);
    }
    if (body.reserved.substr(4) == kCrcMarker) {
        std::uint32_t storedCrc = 0;
        ByteReader(body.reserved).u32(storedCrc);
        if (storedCrc != crc.finish()) {
            return refusedAs(DecodeOutcome::WrongPassword);
        }
    }
    result.outcome = DecodeOutcome::Read;
    return result;
}

} // namespace lb
