#include "core/error.h"

#include <cstring>

namespace lb {

Error systemError(int errnum) {
    return Error{errnum, std::strerror(errnum)};
}

} // namespace lb
