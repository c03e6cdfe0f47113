#include "core/decode_result.h"

namespace lb {

DecodeResult refusedAs(DecodeOutcome outcome) {
    DecodeResult result;
    result.outcome = outcome;
    return result;
}

DecodeResult damagedBy(Error error) {
    DecodeResult result;
    result.error = std::move(error);
    return result;
}

} // namespace lb
