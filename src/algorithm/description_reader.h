// The reader of algorithm description files: "key=value" lines into the description fields.
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

#include "algorithm/algorithm.h"

namespace lunda {

// The longest piece of a line the reader takes at once; the rest of a longer line is read as a
// line of its own.
inline constexpr std::size_t kMaxLinePiece = 1023;

// Hands out the lines of a text stream: CR LF and a lone LF end a line and are not part of it,
// and a longer line comes in pieces of kMaxLinePiece characters. A line is cut at a NUL byte,
// as the C strings of the original format never carried one.
class LinePieceReader {
 public:
  explicit LinePieceReader(std::istream& in) : in(in) {}
  // False at the end of the stream.
  [[nodiscard]] bool Next(std::string& piece);

 private:
  std::istream& in;
};

// Atoi-like: blanks, an optional sign, digits; the rest ignored. False when there are no digits.
// Values beyond the 32-bit range saturate.
[[nodiscard]] bool ParseLeadingInt(std::string_view text, std::int32_t& value);

// Stores one line's value into the field its key names; other lines change nothing.
void ApplyDescriptionLine(std::string_view line, CAlgorithm& algorithm);

// Every "\n" (backslash, n) becomes CR LF, left to right without overlap.
[[nodiscard]] std::string ExpandLineBreaks(std::string_view text);

// Reads the description fields from a stream of the file's bytes.
void ReadDescription(std::istream& in, CAlgorithm& algorithm);

// Reads the description fields of the file at path. False when it is no regular file (a folder,
// a pipe or a device, which could block or never end) or cannot be opened.
[[nodiscard]] bool ReadDescription(const std::filesystem::path& path, CAlgorithm& algorithm);

}  // namespace lunda
