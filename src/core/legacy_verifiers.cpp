#include "core/legacy_verifiers.h"

namespace lb {

const std::array<std::string_view, 20> kLegacyVerifierTexts = {
    "Qv7#mTz2", "hR4!pLw9", "Xe2$kN8s", "bJ6%tYq3", "Mw9&cF5u", "gP3*zK7d", "Ty8+vB2n",
    "aL5=rH6x", "Nc4?jW9e", "fS7@qD3m", "Ko2^uG8v", "dZ9~sX4b", "Hm6(yE5k", "pU3)wA7r",
    "Vb8[iC2t", "eQ5]oM9g", "Rk4{nV6z", "wF7}lT3h", "Ci9<xS8p", "yG2>aJ5f",
};
const std::string_view kLegacyVerifierS1 = "Lb5:Wq";
const std::string_view kLegacyVerifierS2 = "zK8;Rn";

bool IsLegacyVerifier(std::string_view text) {
    const std::size_t half = kLegacyVerifierLength - kLegacyVerifierS1.size();
    if (text.size() != kLegacyVerifierLength) {
        return false;
    }
    for (const std::string_view t : kLegacyVerifierTexts) {
        if ((text.substr(0, half) == t && text.substr(half) == kLegacyVerifierS1) ||
            (text.substr(0, kLegacyVerifierS2.size()) == kLegacyVerifierS2 &&
             text.substr(kLegacyVerifierS2.size()) == t)) {
            return true;
        }
    }
    return false;
}

} // namespace lb
