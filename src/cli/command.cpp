// Argument helpers shared by the commands.
#include "cli/command.h"

#include <charconv>

namespace lunda::cli {

int Fail(const CommandContext& context, int exitCode, std::string_view message) {
  context.err << "lunda-cli: " << message << '\n';
  return exitCode;
}

OptionMatch MatchOption(CommandArgs args, std::size_t& i, std::string_view name,
                        std::string& value) {
  const std::string_view arg = args[i];
  if (arg == name) {
    if (i + 1 >= args.size()) return OptionMatch::kMissingValue;
    value = args[++i];
    return OptionMatch::kYes;
  }
  if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
    value = arg.substr(name.size() + 1);
    return OptionMatch::kYes;
  }
  return OptionMatch::kNo;
}

bool ParseIndex(std::string_view text, std::size_t& index) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, index);
  return result.ec == std::errc{} && result.ptr == end;
}

}  // namespace lunda::cli
