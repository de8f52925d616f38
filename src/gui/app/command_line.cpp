// Reading the driver switches and the options.
#include "gui/app/command_line.h"

#include "device/port_choice.h"
#include "gui/framework/resources.h"

namespace lunda {
namespace {

constexpr std::string_view kPortOption = "--port=";
constexpr std::string_view kVcdOption = "--vcd=";
constexpr std::string_view kDataOption = "--data=";

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The error text for one option, or empty when it was taken.
std::string TakeOption(const std::string& arg, AppOptions& options) {
  if (arg.starts_with(kPortOption)) {
    const std::string text = arg.substr(kPortOption.size());
    std::string error;
    if (ParsePortChoice(text, options.port, error)) return {};
    return FormatString(LoadString(ids::strings::kBadPort), {text});
  }
  if (arg.starts_with(kVcdOption)) {
    if (arg.size() == kVcdOption.size()) return LoadString(ids::strings::kNoVcdFile);
    options.vcdPath = std::filesystem::path(arg.substr(kVcdOption.size()));
    return {};
  }
  if (arg.starts_with(kDataOption)) {
    if (arg.size() == kDataOption.size()) return LoadString(ids::strings::kNoDataFolder);
    const std::string folder = arg.substr(kDataOption.size());
    options.dataFolder = std::filesystem::path(std::u8string(folder.begin(), folder.end()));
    return {};
  }
  if (arg == "--help") {
    options.help = true;
    return {};
  }
  if (arg == "--version") {
    options.version = true;
    return {};
  }
  return FormatString(LoadString(ids::strings::kUnknownOption), {arg});
}

}  // namespace

DriverAction DriverActionFor(std::string_view tail) {
  if (EqualsIgnoringAsciiCase(tail, "/i")) return DriverAction::kInstall;
  if (EqualsIgnoringAsciiCase(tail, "/u")) return DriverAction::kRemove;
  return DriverAction::kNone;
}

CommandLine ReadCommandLine(std::string_view tail, const std::vector<std::string>& args) {
  CommandLine line;
  line.driverAction = DriverActionFor(tail);
  std::string unused;
  static_cast<void>(ParsePortChoice(DefaultPortText(), line.options.port, unused));
  if (line.driverAction != DriverAction::kNone) return line;
  for (const std::string& arg : args) {
    if (!arg.starts_with("--")) continue;
    line.error = TakeOption(arg, line.options);
    if (!line.error.empty()) break;
  }
  return line;
}

std::string UsageText() {
  return FormatString(LoadString(ids::strings::kUsage), {DefaultPortText()});
}

std::string VersionText() { return "lunda 2.22\n"; }

}  // namespace lunda
