#pragma once
// lockerbook-cli's exit statuses, one for each kind of outcome a script may
// want to tell apart.

namespace lb::cli {

enum class ExitStatus {
    Success = 0,
    Usage = 1,
    NotAccountFile = 2,
    NewerVersion = 3,
    WrongPassword = 4,
    Damaged = 5, // or unreadable, or not writable
};

} // namespace lb::cli
