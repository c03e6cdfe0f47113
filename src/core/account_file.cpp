#include "core/account_file.h"

#include "core/classic_file.h"
#include "core/legacy_file.h"

namespace lb {

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
    return decodeClassicFile(fileBytes, password);
}

std::string encodeAccountFile(FileKind kind, const std::vector<Account>& accounts,
                              std::string_view password, RandomSource& random) {
    if (kind == FileKind::Sealed) {
        return encodeSealedFile(accounts, password, sealingCost());
    }
    return encodeClassicFile(accounts, password, random);
}

} // namespace lb
