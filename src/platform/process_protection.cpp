#include "platform/process_protection.h"

#include <sys/prctl.h>
#include <sys/resource.h>

namespace lb {

void protectSecrets() {
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
}

} // namespace lb
