#include "cli/standard_input.h"

#include "core/cp1252.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace lb::cli {

ExitStatus readStandardInput(StandardInput& input) {
    std::string all;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
        all.append(buffer, got);
    }
    if (std::ferror(stdin)) {
        std::fprintf(stderr, "Standard input could not be read (%s).\n", std::strerror(errno));
        return ExitStatus::Damaged;
    }
    const std::size_t lineEnd = all.find('\n');
    std::string line = all.substr(0, lineEnd);
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    input.rest = lineEnd == std::string::npos ? std::string() : all.substr(lineEnd + 1);
    if (line.empty()) {
        std::fprintf(stderr, "The first line of standard input must be the master password.\n");
        return ExitStatus::Usage;
    }
    auto password = cp1252::fromUtf8(line);
    if (!password) {
        std::fprintf(stderr,
                     "The master password holds a character that account files cannot store.\n");
        return ExitStatus::Usage;
    }
    input.password = std::move(*password);
    return ExitStatus::Success;
}

} // namespace lb::cli
