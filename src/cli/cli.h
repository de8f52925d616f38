// The lunda-cli front end: global options, then dispatch to a command.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace lunda::cli {

// args excludes the program name. Returns the process exit code.
[[nodiscard]] int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace lunda::cli
