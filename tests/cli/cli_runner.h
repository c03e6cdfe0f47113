#pragma once
// lockerbook-cli run as a script runs it: arguments, standard input, and the
// output, messages and exit status that come back.

#include <string>
#include <vector>

namespace lb::test {

struct CliRun {
    int status = -1; // the exit status, or -1 when the program did not exit by itself
    std::string out;
    std::string err;
};

// Runs the built lockerbook-cli with input on standard input, in folder.
CliRun runCli(const std::string& folder, const std::vector<std::string>& arguments,
              const std::string& input);

} // namespace lb::test
