#pragma once
// Times as text, in the form of ISO 8601 that scripts and other programs
// exchange: "2026-12-07T10:15:00.123Z", always UTC.

#include "core/account.h"

#include <optional>
#include <string>
#include <string_view>

namespace lb {

// "YYYY-MM-DDTHH:MM:SS.mmmZ".
std::string isoTime(Timestamp t);

// "YYYY-MM-DDTHH:MM:SS", optionally with a fraction of a second, then "Z" or
// an offset "+HH:MM" / "-HH:MM"; a space may stand for the "T". Nothing for
// any other text or an impossible date.
std::optional<Timestamp> parseIsoTime(std::string_view text);

// "YYYY-MM-DD" of the time, UTC.
std::string isoDate(Timestamp t);

} // namespace lb
