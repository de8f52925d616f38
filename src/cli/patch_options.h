// The options that change what goes into a patched image (--date, --set), shared by the
// commands that build one, and the choice of the algorithm by its INDEX.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "algorithm/algorithm_params.h"
#include "algorithm/calendar_date.h"
#include "algorithm/catalogue.h"
#include "cli/command.h"

namespace lunda::cli {

// One checked --set NAME=VALUE: the parameter and the byte it stores.
struct ParamSetting {
  enum class Field { kThreshold, kStartDelay, kSensorCurrent, kDelay };
  Field field = Field::kThreshold;
  int index = 0;  // threshold 0..3 or delay 0..35
  std::uint8_t byte = 0;
};

struct PatchOptions {
  std::optional<CalendarDate> date;
  std::vector<ParamSetting> settings;  // in command-line order; a later one wins
};

// YYYY-MM-DD naming a date IsWritableDate accepts.
[[nodiscard]] bool ParseDate(std::string_view text, CalendarDate& date);

// NAME=VALUE with the names threshold1..threshold4 (volts 0..5, snapped up to the next code),
// start-delay (0..255), sensor-current (0 or 1) and T1..T36 (0..63 and a unit letter s, m, h or
// d, e.g. 45m). Names ignore letter case. On failure error names what was wrong.
[[nodiscard]] bool ParseSetting(std::string_view text, ParamSetting& setting, std::string& error);

void ApplySettings(const std::vector<ParamSetting>& settings, AlgorithmParams& params);

enum class PatchOptionMatch { kNotMine, kTaken, kBad };

// Takes args[i] when it is --date or --set (advancing i past its value), else kNotMine.
[[nodiscard]] PatchOptionMatch TakePatchOption(CommandArgs args, std::size_t& i,
                                               PatchOptions& options, std::string& error);

// A value option of one command besides --date and --set, e.g. {"--output", &output}.
struct ValueOption {
  std::string_view name;
  std::string* value;
};

// Reads the arguments of a command that patches an image: --date, --set, the command's own value
// options and one INDEX. False, with error naming the command, for any other argument, a missing
// value, or a missing INDEX or --date.
[[nodiscard]] bool ParsePatchArguments(std::string_view command, CommandArgs args,
                                       std::initializer_list<ValueOption> valueOptions,
                                       PatchOptions& options, std::string& indexText,
                                       std::string& error);

// Scans dataDir and picks the algorithm at a 0-based INDEX of the catalogue order.
[[nodiscard]] CAlgorithm* SelectAlgorithm(const std::filesystem::path& dataDir,
                                          std::string_view indexText, AlgorithmCatalogue& catalogue,
                                          std::string& error);

// SelectAlgorithm, then the --set changes over its defaults and the image patched with the
// --date, as a write would send it. Null with a message when any step refuses.
[[nodiscard]] CAlgorithm* PatchSelectedAlgorithm(const std::filesystem::path& dataDir,
                                                 std::string_view indexText,
                                                 const PatchOptions& options,
                                                 AlgorithmCatalogue& catalogue, std::string& error);

}  // namespace lunda::cli
