#pragma once
// What both programs do first, before any secret is in memory: a crash must
// not write the passwords to a core file, and other processes of the same
// user must not read this one's memory.

namespace lb {

// Turns core dumps off and marks the process not dumpable (which also keeps
// debuggers of the same user from attaching).
void protectSecrets();

} // namespace lb
