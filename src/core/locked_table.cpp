#include "core/locked_table.h"

#include "core/byte_reader.h"
#include "core/sealed_records.h"

#include <cstring>

namespace lb {
namespace {

// Above every file version, so that a locked table is never read as a file
// and no file is ever unlocked as a table.
constexpr std::uint16_t kLockedVersion = 0x4C4B;

} // namespace

std::string lockTable(const std::vector<Account>& accounts, const std::vector<Removal>& removals,
                      std::string_view viewState, std::string_view password, KdfCost cost,
                      KeyDerivation derive) {
    const std::size_t recordsSize = sealedRecordsSize(accounts, removals);
    SecretBytes plain(4 + viewState.size() + recordsSize);
    char* out = plain.data();
    const auto length = static_cast<std::uint32_t>(viewState.size());
    for (int i = 0; i < 4; ++i) {
        out[i] = static_cast<char>(length >> (8 * i));
    }
    if (!viewState.empty()) {
        std::memcpy(out + 4, viewState.data(), viewState.size());
    }
    writeSealedRecords(accounts, removals, out + 4 + viewState.size());
    return sealRecords(plain.view(), password, cost, kLockedVersion, derive);
}

UnlockedTable unlockTable(std::string_view locked, std::string_view password,
                          KeyDerivation derive) {
    UnlockedTable out;
    UnsealedRecords unsealed = unsealRecords(locked, password, kLockedVersion, derive);
    if (unsealed.outcome != DecodeOutcome::Read || unsealed.version != kLockedVersion) {
        out.outcome = unsealed.outcome == DecodeOutcome::WrongPassword
                          ? DecodeOutcome::WrongPassword
                          : DecodeOutcome::Damaged;
        return out;
    }
    ByteReader in(unsealed.records.view());
    std::uint32_t length = 0;
    std::string_view view;
    if (!in.u32(length) || !in.bytes(length, view)) {
        return out;
    }
    DecodeResult records = decodeSealedRecords(unsealed.records.view().substr(4 + view.size()));
    if (records.outcome != DecodeOutcome::Read) {
        return out;
    }
    out.table.accounts = std::move(records.accounts);
    out.table.removals = std::move(records.removals);
    out.viewState.assign(view);
    out.outcome = DecodeOutcome::Read;
    return out;
}

} // namespace lb
