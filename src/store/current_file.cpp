#include "store/current_file.h"

#include <algorithm>

namespace lb {

KdfCost sealCost(const CurrentFile& file) {
    const KdfCost ours = sealingCost();
    if (!file.cost) {
        return ours;
    }
    const KdfCost higher{std::max(ours.passes, file.cost->passes),
                         std::max(ours.memoryKiB, file.cost->memoryKiB)};
    return isWithinKdfLimits(higher) ? higher : *file.cost;
}

void raiseCost(CurrentFile& file, KdfCost other) {
    file.cost = file.cost ? KdfCost{std::max(other.passes, file.cost->passes),
                                    std::max(other.memoryKiB, file.cost->memoryKiB)}
                          : other;
}

} // namespace lb
