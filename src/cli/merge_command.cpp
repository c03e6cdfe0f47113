#include "cli/commands.h"
#include "cli/load_accounts.h"
#include "cli/standard_input.h"
#include "core/account_merge.h"
#include "core/clock.h"

#include <cstdio>
#include <string>
#include <vector>

namespace lb::cli {
namespace {

// A file made costlier elsewhere must not become cheaper by being merged
// here; one cheaper than this program's cost (or never sealed) gets this
// program's.
KdfCost costToSealWith(KdfCost fileCost) {
    const KdfCost ours = sealingCost();
    const bool notCheaper = fileCost.passes >= ours.passes && fileCost.memoryKiB >= ours.memoryKiB;
    return notCheaper && isWithinKdfLimits(fileCost) ? fileCost : ours;
}

ExitStatus readFile(const char* path, SecretBytes& password, DecodeResult& result, FileKind& kind) {
    if (const ExitStatus status = readPassword(password); status != ExitStatus::Success) {
        return status;
    }
    return decodeFileAt(path, password, result, kind);
}

} // namespace

ExitStatus runMerge(const Arguments& arguments, Options /*options*/) {
    const char* path = arguments[0].c_str();
    const Timestamp now = nowMs();
    SecretBytes password;
    DecodeResult file;
    FileKind kind = FileKind::Sealed;
    if (const ExitStatus status = readFile(path, password, file, kind);
        status != ExitStatus::Success) {
        return status;
    }
    AccountTable table{std::move(file.accounts), std::move(file.removals)};
    std::vector<std::string> summaries;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        SecretBytes otherPassword;
        DecodeResult other;
        FileKind otherKind = FileKind::Sealed;
        if (const ExitStatus status =
                readFile(arguments[i].c_str(), otherPassword, other, otherKind);
            status != ExitStatus::Success) {
            return status;
        }
        // FILE's own flag, not the merged table's: where FILE keeps no
        // identities, those its accounts were given on reading mean nothing
        // to the next file either, so its accounts pair by their texts.
        MergeResult merged = mergeTables({table.accounts, table.removals, file.identities},
                                         {other.accounts, other.removals, other.identities}, now);
        summaries.push_back("Merged " + arguments[i] + ": " + mergeSummary(merged, arguments[i]) +
                            ".");
        table.accounts = std::move(merged.accounts);
        table.removals = std::move(merged.removals);
    }
    // Accounts of a file without identities and those of another file that
    // met them only by their texts may share an identity, which a sealed file
    // cannot hold.
    giveUniqueIdentities(table.accounts);
    // FILE keeps its kind; an old text file is written as a classic one, as
    // Save does in the window.
    Options keepKind;
    keepKind.legacy = kind != FileKind::Sealed;
    const ExitStatus saved =
        saveAccountFile(path, table, password, keepKind, costToSealWith(file.cost));
    if (saved == ExitStatus::Success) {
        for (const std::string& summary : summaries) {
            std::fprintf(stderr, "%s\n", summary.c_str());
        }
    }
    return saved;
}

} // namespace lb::cli
