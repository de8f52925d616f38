// The field parsers behind the data exchange helpers.
#include "gui/framework/number_parse.h"

#include <charconv>
#include <limits>

namespace lunda {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text between leading and trailing blanks and tabs.
std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return pos;
}

// Digits only, at least one, into a 64-bit value; nothing when it exceeds the limit.
std::optional<std::uint64_t> ParseDigits(std::string_view digits, std::uint64_t limit) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > limit) return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<double> ParseDouble(std::string_view text) {
  const std::string_view number = Trim(text);
  std::size_t pos = 0;
  if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) ++pos;
  const std::size_t integerEnd = SkipDigits(number, pos);
  std::size_t end = integerEnd;
  bool anyDigit = integerEnd > pos;
  if (end < number.size() && number[end] == '.') {
    const std::size_t fractionEnd = SkipDigits(number, end + 1);
    anyDigit = anyDigit || fractionEnd > end + 1;
    end = fractionEnd;
  }
  if (!anyDigit) return std::nullopt;
  if (end < number.size() && (number[end] == 'e' || number[end] == 'E')) {
    std::size_t exponent = end + 1;
    if (exponent < number.size() && (number[exponent] == '+' || number[exponent] == '-')) {
      ++exponent;
    }
    const std::size_t exponentEnd = SkipDigits(number, exponent);
    if (exponentEnd > exponent) end = exponentEnd;
  }
  if (end != number.size()) return std::nullopt;

  const std::string_view unsignedPart = number.front() == '+' ? number.substr(1) : number;
  double value = 0;
  const auto [last, error] =
      std::from_chars(unsignedPart.data(), unsignedPart.data() + unsignedPart.size(), value);
  if (error != std::errc() || last != unsignedPart.data() + unsignedPart.size()) {
    return std::nullopt;
  }
  if (value == 0 && number.front() != '0') return std::nullopt;
  return value;
}

std::optional<std::uint32_t> ParseUnsigned(std::string_view text) {
  // No sign at all: a '+' is refused like any other character that is not a digit.
  const std::optional<std::uint64_t> value =
      ParseDigits(Trim(text), std::numeric_limits<std::uint32_t>::max());
  if (!value) return std::nullopt;
  return static_cast<std::uint32_t>(*value);
}

std::optional<std::int32_t> ParseInt(std::string_view text) {
  std::string_view number = Trim(text);
  const bool negative = !number.empty() && number.front() == '-';
  if (!number.empty() && (negative || number.front() == '+')) number.remove_prefix(1);
  const std::uint64_t limit =
      static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()) + (negative ? 1 : 0);
  const std::optional<std::uint64_t> value = ParseDigits(number, limit);
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(*value)
                                            : static_cast<std::int64_t>(*value));
}

}  // namespace lunda
