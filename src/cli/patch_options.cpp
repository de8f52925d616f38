// Parsing and applying --date and --set, and picking an algorithm by index.
#include "cli/patch_options.h"

#include <charconv>
#include <cmath>

#include "algorithm/ascii_case.h"
#include "algorithm/delay_codec.h"
#include "algorithm/volts.h"

namespace lunda::cli {
namespace {

// The whole of text as a decimal integer in [low, high].
bool ParseInt(std::string_view text, int low, int high, int& value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  return result.ec == std::errc{} && result.ptr == end && value >= low && value <= high;
}

// A name "prefix" followed by a number in [1, count]; the 0-based index, or -1.
int NumberedName(std::string_view name, std::string_view prefix, int count) {
  if (name.size() <= prefix.size() ||
      !EqualsIgnoringAsciiCase(name.substr(0, prefix.size()), prefix)) {
    return -1;
  }
  const std::string_view digits = name.substr(prefix.size());
  int n = 0;
  if (digits.front() == '0' || !ParseInt(digits, 1, count, n)) return -1;
  return n - 1;
}

bool ParseVolts(std::string_view text, std::uint8_t& code) {
  double volts = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, volts);
  if (result.ec != std::errc{} || result.ptr != end || !(volts >= 0.0 && volts <= 5.0)) {
    return false;
  }
  code = VoltsToCode(volts);
  return true;
}

bool ParseDelay(std::string_view text, std::uint8_t& byte) {
  static constexpr std::string_view kUnitLetters = "smhd";  // in unit-code order
  if (text.empty()) return false;
  const std::size_t unit = kUnitLetters.find(AsciiLower(text.back()));
  int value = 0;
  if (unit == std::string_view::npos ||
      !ParseInt(text.substr(0, text.size() - 1), 0, kMaxDelayValue, value)) {
    return false;
  }
  byte = EncodeDelay(value, static_cast<int>(unit));
  return true;
}

}  // namespace

bool ParseDate(std::string_view text, CalendarDate& date) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  CalendarDate parsed;
  if (!ParseInt(text.substr(0, 4), 0, 9999, parsed.year) ||
      !ParseInt(text.substr(5, 2), 0, 99, parsed.month) ||
      !ParseInt(text.substr(8, 2), 0, 99, parsed.day) || !IsWritableDate(parsed)) {
    return false;
  }
  date = parsed;
  return true;
}

bool ParseSetting(std::string_view text, ParamSetting& setting, std::string& error) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) {
    error = "--set needs NAME=VALUE, got '" + std::string(text) + "'";
    return false;
  }
  const std::string_view name = text.substr(0, equals);
  const std::string_view value = text.substr(equals + 1);
  const auto badValue = [&](std::string_view expected) {
    error = "bad value '" + std::string(value) + "' for " + std::string(name) + ": expected " +
            std::string(expected);
    return false;
  };
  int number = 0;
  ParamSetting parsed;
  if (const int threshold = NumberedName(name, "threshold", kThresholdCount); threshold >= 0) {
    parsed = {ParamSetting::Field::kThreshold, threshold, 0};
    if (!ParseVolts(value, parsed.byte)) return badValue("volts from 0 to 5");
  } else if (const int delay = NumberedName(name, "T", kDelayCount); delay >= 0) {
    parsed = {ParamSetting::Field::kDelay, delay, 0};
    if (!ParseDelay(value, parsed.byte)) return badValue("0..63 and a unit s, m, h or d, e.g. 45m");
  } else if (EqualsIgnoringAsciiCase(name, "start-delay")) {
    if (!ParseInt(value, 0, 255, number)) return badValue("seconds from 0 to 255");
    parsed = {ParamSetting::Field::kStartDelay, 0, static_cast<std::uint8_t>(number)};
  } else if (EqualsIgnoringAsciiCase(name, "sensor-current")) {
    if (!ParseInt(value, 0, 1, number)) return badValue("0 (direct) or 1 (alternating)");
    parsed = {ParamSetting::Field::kSensorCurrent, 0, static_cast<std::uint8_t>(number)};
  } else {
    error = "unknown parameter '" + std::string(name) +
            "' (known: threshold1..threshold4, start-delay, sensor-current, T1..T36)";
    return false;
  }
  setting = parsed;
  return true;
}

void ApplySettings(const std::vector<ParamSetting>& settings, AlgorithmParams& params) {
  for (const ParamSetting& setting : settings) {
    const auto index = static_cast<std::size_t>(setting.index);
    switch (setting.field) {
      case ParamSetting::Field::kThreshold:
        params.thresholds[index] = setting.byte;
        break;
      case ParamSetting::Field::kStartDelay:
        params.startDelay = setting.byte;
        break;
      case ParamSetting::Field::kSensorCurrent:
        params.sensorCurrent = setting.byte;
        break;
      case ParamSetting::Field::kDelay:
        params.delays[index] = setting.byte;
        break;
    }
  }
}

PatchOptionMatch TakePatchOption(CommandArgs args, std::size_t& i, PatchOptions& options,
                                 std::string& error) {
  std::string value;
  OptionMatch match = MatchOption(args, i, "--date", value);
  if (match == OptionMatch::kYes) {
    CalendarDate date;
    if (!ParseDate(value, date)) {
      error = "bad date '" + value + "': expected YYYY-MM-DD from 1970-01-01 to 2069-12-31";
      return PatchOptionMatch::kBad;
    }
    options.date = date;
    return PatchOptionMatch::kTaken;
  }
  if (match == OptionMatch::kNo) match = MatchOption(args, i, "--set", value);
  if (match == OptionMatch::kMissingValue) {
    error = args[i] + " needs a value";
    return PatchOptionMatch::kBad;
  }
  if (match == OptionMatch::kNo) return PatchOptionMatch::kNotMine;
  ParamSetting setting;
  if (!ParseSetting(value, setting, error)) return PatchOptionMatch::kBad;
  options.settings.push_back(setting);
  return PatchOptionMatch::kTaken;
}

CAlgorithm* SelectAlgorithm(const std::filesystem::path& dataDir, std::string_view indexText,
                            AlgorithmCatalogue& catalogue, std::string& error) {
  std::size_t index = 0;
  if (!ParseIndex(indexText, index)) {
    error = "bad INDEX '" + std::string(indexText) + "': expected a number from 0";
    return nullptr;
  }
  if (!ScanCatalogue(dataDir, catalogue)) {
    error = "no algorithms found in '" + dataDir.string() + "'";
    return nullptr;
  }
  if (index >= catalogue.size()) {
    error = "INDEX " + std::string(indexText) + " is beyond the last algorithm, " +
            std::to_string(catalogue.size() - 1);
    return nullptr;
  }
  return catalogue[index].get();
}

CAlgorithm* PatchSelectedAlgorithm(const std::filesystem::path& dataDir, std::string_view indexText,
                                   const PatchOptions& options, AlgorithmCatalogue& catalogue,
                                   std::string& error) {
  CAlgorithm* algorithm = SelectAlgorithm(dataDir, indexText, catalogue, error);
  if (!algorithm) return nullptr;
  ApplySettings(options.settings, algorithm->current);
  if (!options.date || !algorithm->PatchImage(*options.date)) {
    error = "the date cannot be written into an image";
    return nullptr;
  }
  return algorithm;
}

bool ParsePatchArguments(std::string_view command, CommandArgs args,
                         std::initializer_list<ValueOption> valueOptions, PatchOptions& options,
                         std::string& indexText, std::string& error) {
  const std::string prefix = std::string(command) + ": ";
  error.clear();
  for (std::size_t i = 0; i < args.size(); ++i) {
    const PatchOptionMatch patch = TakePatchOption(args, i, options, error);
    if (patch == PatchOptionMatch::kBad) return false;
    if (patch == PatchOptionMatch::kTaken) continue;
    OptionMatch match = OptionMatch::kNo;
    for (const ValueOption& option : valueOptions) {
      if (match == OptionMatch::kNo) match = MatchOption(args, i, option.name, *option.value);
    }
    if (match == OptionMatch::kMissingValue) {
      error = prefix + args[i] + " needs a value";
      return false;
    }
    if (match == OptionMatch::kYes) continue;
    if (args[i].starts_with("--") || !indexText.empty()) {
      error = prefix + "unexpected argument '" + args[i] + "'";
      return false;
    }
    indexText = args[i];
  }
  if (indexText.empty())
    error = prefix + "INDEX is missing";
  else if (!options.date)
    error = prefix + "--date is missing";
  return error.empty();
}

}  // namespace lunda::cli
