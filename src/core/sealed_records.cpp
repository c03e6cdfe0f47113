#include "core/sealed_records.h"

#include "core/byte_reader.h"
#include "core/program_errors.h"
#include "core/utf8.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <stdexcept>

namespace lb {
namespace {

constexpr std::string_view kMark = "LBa2";
// Identity, two times, the history count and five text lengths.
constexpr std::size_t kLeastAccountSize = 16 + 8 + 8 + 1 + kFieldCount * 4;
constexpr std::size_t kRemovalSize = 16 + 8 + 8;
constexpr std::uint64_t kMax32 = std::numeric_limits<std::uint32_t>::max();

class Writer {
public:
    explicit Writer(char* out) : p_(out) {}
    void bytes(const void* b, std::size_t n) {
        if (n != 0) {
            std::memcpy(p_, b, n);
        }
        p_ += n;
    }
    void little(std::uint64_t v, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            *p_++ = static_cast<char>(v >> (8 * i));
        }
    }
    void i64(std::int64_t v) { little(static_cast<std::uint64_t>(v), 8); }
    void text(std::string_view t) {
        little(t.size(), 4);
        bytes(t.data(), t.size());
    }

private:
    char* p_;
};

bool readI64(ByteReader& in, std::int64_t& out) {
    std::string_view raw;
    if (!in.bytes(8, raw)) {
        return false;
    }
    std::uint64_t v = 0;
    for (std::size_t i = 8; i-- > 0;) {
        v = v << 8 | static_cast<unsigned char>(raw[i]);
    }
    out = static_cast<std::int64_t>(v);
    return true;
}

bool readId(ByteReader& in, AccountId& id) {
    std::string_view raw;
    if (!in.bytes(id.size(), raw)) {
        return false;
    }
    std::memcpy(id.data(), raw.data(), id.size());
    return true;
}

std::optional<ProgramError> readAccount(ByteReader& in, Account& a) {
    std::string_view count;
    if (!readId(in, a.id) || !readI64(in, a.created) || !readI64(in, a.modified) ||
        !in.bytes(1, count)) {
        return ProgramError::FileEndsEarly;
    }
    const auto versions = static_cast<unsigned char>(count[0]);
    if (versions > kMaxHistory) {
        return ProgramError::TooMuchHistory;
    }
    a.history.resize(versions);
    for (Timestamp& t : a.history) {
        if (!readI64(in, t)) {
            return ProgramError::FileEndsEarly;
        }
    }
    for (int f = 0; f < kFieldCount; ++f) {
        std::uint32_t length = 0;
        std::string_view text;
        if (!in.u32(length) || !in.bytes(length, text)) {
            return ProgramError::FileEndsEarly;
        }
        if (!utf8::isValid(text)) {
            return ProgramError::TextNotUtf8;
        }
        a.field(static_cast<Field>(f)).assign(text);
    }
    return std::nullopt;
}

DecodeResult damaged(ProgramError e) {
    return damagedBy(programError(e));
}

} // namespace

std::size_t sealedRecordsSize(const std::vector<Account>& accounts,
                              const std::vector<Removal>& removals) {
    if (accounts.size() > kMax32 || removals.size() > kMax32) {
        throw std::length_error("too many accounts for one account file");
    }
    std::uint64_t size = kMark.size() + 4 + 4 + removals.size() * kRemovalSize;
    for (const Account& a : accounts) {
        size += kLeastAccountSize + 8 * std::min(a.history.size(), kMaxHistory);
        for (int f = 0; f < kFieldCount; ++f) {
            const std::size_t length = a.field(static_cast<Field>(f)).size();
            if (length > kMax32) {
                throw std::length_error("a text is too long for one account file");
            }
            size += length;
        }
    }
    return static_cast<std::size_t>(size);
}

void writeSealedRecords(const std::vector<Account>& accounts, const std::vector<Removal>& removals,
                        char* out) {
    Writer w(out);
    w.bytes(kMark.data(), kMark.size());
    w.little(accounts.size(), 4);
    w.little(removals.size(), 4);
    for (const Account& a : accounts) {
        w.bytes(a.id.data(), a.id.size());
        w.i64(a.created);
        w.i64(a.modified);
        // The newest versions are the ones a merge is most likely to meet.
        const std::size_t kept = std::min(a.history.size(), kMaxHistory);
        w.little(kept, 1);
        for (std::size_t i = a.history.size() - kept; i < a.history.size(); ++i) {
            w.i64(a.history[i]);
        }
        for (int f = 0; f < kFieldCount; ++f) {
            w.text(a.field(static_cast<Field>(f)));
        }
    }
    for (const Removal& r : removals) {
        w.bytes(r.id.data(), r.id.size());
        w.i64(r.removed);
        w.i64(r.version);
    }
}

DecodeResult decodeSealedRecords(std::string_view records) {
    ByteReader in(records);
    std::string_view mark;
    std::uint32_t accountCount = 0;
    std::uint32_t removalCount = 0;
    if (!in.bytes(kMark.size(), mark) || !in.u32(accountCount) || !in.u32(removalCount)) {
        return damaged(ProgramError::FileEndsEarly);
    }
    if (mark != kMark) {
        return damaged(ProgramError::BadRecordsMark);
    }
    // Counts are judged against the bytes that remain before anything is reserved.
    if (accountCount > in.remaining() / kLeastAccountSize) {
        return damaged(ProgramError::FileEndsEarly);
    }
    DecodeResult result;
    result.accounts.resize(accountCount);
    for (Account& a : result.accounts) {
        if (const auto error = readAccount(in, a)) {
            return damaged(*error);
        }
    }
    if (removalCount > in.remaining() / kRemovalSize) {
        return damaged(ProgramError::FileEndsEarly);
    }
    result.removals.resize(removalCount);
    for (Removal& r : result.removals) {
        if (!readId(in, r.id) || !readI64(in, r.removed) || !readI64(in, r.version)) {
            return damaged(ProgramError::FileEndsEarly);
        }
    }
    if (in.remaining() != 0) {
        return damaged(ProgramError::BytesAfterRecords);
    }
    std::vector<AccountId> ids;
    ids.reserve(result.accounts.size());
    for (const Account& a : result.accounts) {
        ids.push_back(a.id);
    }
    std::sort(ids.begin(), ids.end());
    if (std::adjacent_find(ids.begin(), ids.end()) != ids.end()) {
        return damaged(ProgramError::IdentityTwice);
    }
    result.identities = true;
    result.outcome = DecodeOutcome::Read;
    return result;
}

} // namespace lb
