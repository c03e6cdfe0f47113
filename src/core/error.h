#pragma once
// The "(number N, description)" of every unexpected-error message comes from
// here: errno and strerror for failures of the operating system, and the
// program's own numbered table (store/program_errors.h) for damaged files.

#include <string>

namespace lb {

struct Error {
    int number = 0;
    std::string description;
};

// An operating-system failure, from an errno value.
Error systemError(int errnum);

} // namespace lb
