#pragma once
// Files that people give to Open by mistake: another program's database, an
// export meant for Import. Recognised by their first bytes, so that the
// refusal can say what the file is and where it goes instead.

#include <string>
#include <string_view>

namespace lb {

// A sentence that says what the file is and what to do with it, or empty when
// the bytes look like nothing in particular.
std::string foreignFileHint(std::string_view fileBytes);

} // namespace lb
