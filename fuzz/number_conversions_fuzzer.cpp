// The parameter pages' numbers without the widgets: the field parsers agree with the C library,
// and a threshold shown on the page reads back as the same code.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "algorithm/volts.h"
#include "algorithm/volts_text.h"
#include "fuzz/fuzz_check.h"
#include "gui/framework/number_parse.h"

namespace {

using lunda::fuzz::Check;

// The double field reads this many characters of its text.
constexpr std::size_t kDoubleFieldChars = 31;

std::string Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return std::string(text);
}

void CheckThreshold(std::string_view text) {
  const std::optional<double> volts = lunda::ParseDouble(text);
  if (!volts) return;
  const std::string number = Trimmed(text);
  char* end = nullptr;
  const double expected = std::strtod(number.c_str(), &end);
  Check(end == number.c_str() + number.size() && expected == *volts, "reads as strtod does");
  // What the page does with a typed value: snap it to a code, show the code's volts cut to
  // hundredths, and read that text back on the next exchange.
  const std::uint8_t code = lunda::VoltsToCode(*volts);
  const std::string shown = lunda::FormatVolts(lunda::CodeToVolts(code));
  const std::optional<double> reread = lunda::ParseDouble(shown.substr(0, kDoubleFieldChars));
  Check(reread && lunda::VoltsToCode(*reread) == code, "a shown threshold reads back as its code");
}

void CheckIntegers(std::string_view text) {
  std::string number = Trimmed(text);
  if (const auto value = lunda::ParseUnsigned(text)) {
    if (number.front() == '+') number.erase(0, 1);
    std::uint64_t expected = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), expected);
    Check(result.ptr == number.data() + number.size() && expected == *value, "unsigned exactly");
  }
  number = Trimmed(text);
  if (const auto value = lunda::ParseInt(text)) {
    if (number.front() == '+') number.erase(0, 1);
    std::int64_t expected = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), expected);
    Check(result.ptr == number.data() + number.size() && expected == *value, "signed exactly");
  }
}

void CheckVoltsText(double volts) {
  const double cut = lunda::TruncateToHundredths(volts);
  Check(!std::isnan(cut), "a cut value is a number");
  const std::string text = lunda::FormatVolts(volts);
  Check(text.size() < kDoubleFieldChars, "the shown volts fit the field");
  const std::uint8_t code = lunda::VoltsToCode(volts);
  Check(std::stoi(lunda::BinaryCodeText(code), nullptr, 2) == code, "binary text is the code");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckThreshold(text);
  CheckIntegers(text);
  double volts = 0;
  std::memcpy(&volts, data, std::min(size, sizeof volts));
  CheckVoltsText(volts);
  return 0;
}
