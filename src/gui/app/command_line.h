// The command line: the classic driver switches, compared with the whole tail, and our own
// "--" options.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/port_choice.h"

namespace lunda {

// The algorithms' folder when --data does not name one, relative to the working directory.
inline constexpr char kDataFolder[] = "data";

enum class DriverAction { kNone, kInstall, kRemove };

// kInstall for exactly "/i", kRemove for exactly "/u", either in any case; anything else, a
// trailing blank included, is kNone.
[[nodiscard]] DriverAction DriverActionFor(std::string_view tail);

struct AppOptions {
  PortChoice port;  // from --port, or the platform's first parallel port
  std::filesystem::path dataFolder = kDataFolder;
  std::optional<std::filesystem::path> vcdPath;
  bool help = false;
  bool version = false;
};

struct CommandLine {
  DriverAction driverAction = DriverAction::kNone;
  AppOptions options;
  std::string error;  // UTF-8, for the user; empty when the options were understood
};

// Reads the switches from the whole tail and, for a normal start, the options from the arguments
// (UTF-8). Arguments that do not start with
// "--" are ignored, as the classic tool ignored any tail it did not know; an unknown "--" option
// is an error, since a mistyped --port would otherwise drive the real port.
[[nodiscard]] CommandLine ReadCommandLine(std::string_view tail,
                                          const std::vector<std::string>& args);

// What --help and --version print.
[[nodiscard]] std::string UsageText();
[[nodiscard]] std::string VersionText();

}  // namespace lunda
