// Locale-independent number parsing with the classic dialog field rules.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lunda {

// A decimal number with '.' as the separator, an optional sign and exponent, and blanks or tabs
// around it, as strtod reads it in the C locale (no hex, no inf/nan). A value of zero must be
// written starting with the digit 0 ("-0" and ".0" fail, as the classic rule has it); values out
// of the double range fail.
[[nodiscard]] std::optional<double> ParseDouble(std::string_view text);

// An unsigned decimal integer with blanks or tabs around it; a sign of either kind, other
// characters, an empty text or a value above 4294967295 fail.
[[nodiscard]] std::optional<std::uint32_t> ParseUnsigned(std::string_view text);

// A signed 32-bit decimal integer with blanks or tabs around it.
[[nodiscard]] std::optional<std::int32_t> ParseInt(std::string_view text);

}  // namespace lunda
