// The names a waveform file gives the data register's lines, shared by its writer and reader.
#pragma once

#include <string_view>

namespace lunda {

inline constexpr std::string_view kVcdScope = "lpt";
// The 8-bit variable of other tools' files that the reader takes for the whole register; the
// writer declares the eight lines alone.
inline constexpr std::string_view kVcdBusName = "data";
// Identifier codes of D0..D7.
inline constexpr std::string_view kVcdBitIds[8] = {"!", "\"", "#", "$", "%", "&", "'", "("};
// "$comment T = <n> ns $end" carries the time unit the transmitter worked with.

}  // namespace lunda
