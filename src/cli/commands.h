#pragma once
// The subcommands of lockerbook-cli, one source file each. A command gets
// exactly the arguments that follow its name, already counted by main.

#include "cli/exit_status.h"

#include <string>
#include <vector>

namespace lb::cli {

using Arguments = std::vector<std::string>;

// dump FILE: prints the accounts of FILE (either format) as JSON.
ExitStatus runDump(const Arguments& arguments);
// create FILE: writes FILE in the current format from the JSON on standard input.
ExitStatus runCreate(const Arguments& arguments);
// export FILE FORMAT OUT: writes OUT in the Export dialog's format FORMAT (1 to 5).
ExitStatus runExport(const Arguments& arguments);

} // namespace lb::cli
