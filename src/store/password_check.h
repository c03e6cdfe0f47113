#pragma once
// Checking a typed master password against a file while the person waits at
// the prompt: the check derives the file's key, which takes about half a
// second, so it runs off the window's thread while the prompt shows that it
// is working. A wrong password is said and asked for again.

#include "core/decode_result.h"

#include <functional>
#include <string_view>

namespace lb {

enum class PasswordVerdict {
    Right,  // the file opened: the prompt closes
    Wrong,  // "Wrong password.", and the prompt asks again
    Failed, // the file cannot be opened with any password: the prompt closes
};

// Given the password in UTF-8 as typed. Runs on a thread of its own: it must
// touch no window.
using PasswordCheck = std::function<PasswordVerdict(std::string_view password)>;

// What a file reader's outcome means at the prompt.
inline PasswordVerdict verdictOf(DecodeOutcome outcome) {
    switch (outcome) {
    case DecodeOutcome::Read:
        return PasswordVerdict::Right;
    case DecodeOutcome::WrongPassword:
        return PasswordVerdict::Wrong;
    default:
        return PasswordVerdict::Failed;
    }
}

} // namespace lb
