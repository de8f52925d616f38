// Global options and the command dispatch table.
#include "cli/cli.h"

#include <algorithm>
#include <array>

#include "cli/commands.h"

namespace lunda::cli {
namespace {

// One row per command.
constexpr std::array<const Command*, 5> kCommands = {
    &kListCommand, &kShowCommand, &kImageCommand, &kWriteCommand, &kDecodeCommand,
};

void PrintProgramHelp(std::ostream& out) {
  out << "Usage: lunda-cli [--data DIR] COMMAND [ARGS]...\n"
         "Reads the algorithms of a ЛУНДА data folder.\n\n"
         "  --data DIR   the data folder (default: \"data\" in the working directory)\n"
         "  --help       this text; COMMAND --help describes a command\n\n"
         "Commands:\n";
  for (const Command* command : kCommands) {
    const std::string_view usage = command->help.substr(0, command->help.find('\n'));
    out << "  " << usage << '\n';
  }
}

}  // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  CommandContext context{"data", out, err};
  std::size_t i = 0;
  for (; i < args.size() && args[i].starts_with("--"); ++i) {
    std::string value;
    if (args[i] == "--help") {
      PrintProgramHelp(out);
      return kExitOk;
    }
    const OptionMatch match = MatchOption(args, i, "--data", value);
    if (match == OptionMatch::kMissingValue)
      return Fail(context, kExitUsage, "--data needs a folder");
    if (match == OptionMatch::kNo)
      return Fail(context, kExitUsage, "unknown option '" + args[i] + "'");
    context.dataDir = value;
  }
  if (i == args.size()) return Fail(context, kExitUsage, "no command given (try --help)");
  const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                  [&](const Command* command) { return command->name == args[i]; });
  if (found == kCommands.end()) {
    return Fail(context, kExitUsage, "unknown command '" + args[i] + "' (try --help)");
  }
  const CommandArgs commandArgs = args.subspan(i + 1);
  if (std::find(commandArgs.begin(), commandArgs.end(), "--help") != commandArgs.end()) {
    out << "Usage: lunda-cli [--data DIR] " << (*found)->help << '\n';
    return kExitOk;
  }
  return (*found)->run(context, commandArgs);
}

}  // namespace lunda::cli
