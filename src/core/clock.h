#pragma once
// The time of day for the accounts' creation and modification times, in one
// place so that a test can stop the clock.

#include "core/account.h"

namespace lb {

// Milliseconds since 1970-01-01 00:00 UTC.
Timestamp nowMs();

// A test's fixed time; 0 restores the system clock.
void setFixedTime(Timestamp fixed);

} // namespace lb
