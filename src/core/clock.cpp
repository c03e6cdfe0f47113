#include "core/clock.h"

#include <atomic>
#include <chrono>

namespace lb {
namespace {

std::atomic<Timestamp> fixedTime{0};

} // namespace

Timestamp nowMs() {
    if (const Timestamp fixed = fixedTime.load(); fixed != 0) {
        return fixed;
    }
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

void setFixedTime(Timestamp fixed) {
    fixedTime = fixed;
}

} // namespace lb
