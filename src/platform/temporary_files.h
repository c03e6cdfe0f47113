#pragma once
// The names a save gives its temporary file beside the target, and the
// clean-up of those that a killed save left behind. A temporary file can
// hold every password in clear (an export), so none may outlive its save for
// long: its name carries the writing process's id, and every save removes the
// ones of processes that no longer run.

#include <string>

namespace lb {

// A fresh name for a temporary file in folder: ".lockerbook-<pid>-<random>".
// Short whatever the target's name, so a long file name that the file
// system takes never fails for its temporary.
std::string temporaryNameIn(const std::string& folder);

// Removes from folder the temporary files of saves that ended without
// finishing: those whose process no longer runs, and, where the process
// cannot be told (a name without an id, another user's process), those older
// than an hour. Only regular files of the user's own are touched, never one
// of a save still running; what cannot be removed is left as it is.
void removeStaleTemporaries(const std::string& folder);

} // namespace lb
