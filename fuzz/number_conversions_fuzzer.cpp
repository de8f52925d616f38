// The parameter pages' numbers without the widgets: a typed threshold reads as strtod reads it,
// and what the page then shows reads back as the same code.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "algorithm/volts.h"
#include "algorithm/volts_text.h"
#include "fuzz/fuzz_check.h"
#include "gui/framework/number_parse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  static_cast<void>(lunda::ParseUnsigned(text));
  static_cast<void>(lunda::ParseInt(text));
  if (const std::optional<double> volts = lunda::ParseDouble(text)) {
    const std::string number(text);
    char* end = nullptr;
    Check(std::strtod(number.c_str(), &end) == *volts &&
              end == number.c_str() + number.find_last_not_of(" \t") + 1,
          "reads as strtod does");
    // The page snaps a typed value to a code, shows the code's volts cut to hundredths (within
    // the field's 31 characters), and reads that back on the next exchange.
    const std::uint8_t code = lunda::VoltsToCode(*volts);
    const std::string shown = lunda::FormatVolts(lunda::CodeToVolts(code));
    const std::optional<double> reread = lunda::ParseDouble(shown);
    Check(shown.size() < 31 && reread && lunda::VoltsToCode(*reread) == code, "shown reads back");
  }
  double volts = 0;
  std::memcpy(&volts, data, std::min(size, sizeof volts));
  Check(!std::isnan(lunda::TruncateToHundredths(volts)), "a cut value is a number");
  Check(lunda::FormatVolts(volts).size() < 31, "the shown volts fit the field");
  return 0;
}
