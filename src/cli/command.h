// What every lunda-cli command is: a name, its help text and an entry point, plus the helpers
// commands share for reading their arguments and reporting failures.
#pragma once

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace lunda::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the run itself failed (e.g. the output file)
inline constexpr int kExitUsage = 2;    // bad command line or bad input data

struct CommandContext {
  std::filesystem::path dataDir;
  std::ostream& out;
  std::ostream& err;
};

using CommandArgs = std::span<const std::string>;

struct Command {
  std::string_view name;
  std::string_view help;  // usage line first, then the details
  int (*run)(const CommandContext& context, CommandArgs args);
};

// Writes "lunda-cli: message" to the error stream and returns exitCode.
int Fail(const CommandContext& context, int exitCode, std::string_view message);

enum class OptionMatch { kNo, kYes, kMissingValue };

// Matches args[i] as "--name VALUE" or "--name=VALUE"; on kYes, value is set and i points at the
// last argument used.
[[nodiscard]] OptionMatch MatchOption(CommandArgs args, std::size_t& i, std::string_view name,
                                      std::string& value);

// An INDEX argument: a decimal number from 0 up, the catalogue position that list shows.
[[nodiscard]] bool ParseIndex(std::string_view text, std::size_t& index);

}  // namespace lunda::cli
