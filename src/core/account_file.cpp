#include "core/account_file.h"

#include "core/classic_file.h"
#include "core/foreign_file.h"
#include "core/legacy_file.h"

namespace lb {
namespace {

// A file the classic reader cannot make sense of may well be something else
// that was given to Open by mistake; saying what it is beats "damaged".
DecodeResult withForeignHint(DecodeResult result, std::string_view fileBytes) {
    if (result.outcome != DecodeOutcome::NotAccountFile &&
        result.outcome != DecodeOutcome::Damaged) {
        return result;
    }
    std::string hint = foreignFileHint(fileBytes);
    if (hint.empty()) {
        return result;
    }
    DecodeResult foreign = refusedAs(DecodeOutcome::NotAccountFile);
    foreign.whatItIs = std::move(hint);
    return foreign;
}

} // namespace

FileKind fileKindOf(std::string_view fileBytes) {
    if (isSealedFile(fileBytes)) {
        return FileKind::Sealed;
    }
    return isLegacyFile(fileBytes) ? FileKind::Legacy : FileKind::Classic;
}

DecodeResult decodeAccountFile(std::string_view fileBytes, std::string_view password) {
    switch (fileKindOf(fileBytes)) {
    case FileKind::Sealed:
        return decodeSealedFile(fileBytes, password);
    case FileKind::Legacy:
        return decodeLegacyFile(fileBytes, password);
    case FileKind::Classic:
        break;
    }
    return withForeignHint(decodeClassicFile(fileBytes, password), fileBytes);
}

std::string encodeAccountFile(FileKind kind, const std::vector<Account>& accounts,
                              const std::vector<Removal>& removals, std::string_view password,
                              RandomSource& random, KdfCost cost) {
    return kind == FileKind::Sealed ? encodeSealedFile(accounts, removals, password, cost)
                                    : encodeClassicFile(accounts, password, random);
}

} // namespace lb
