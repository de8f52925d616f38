// Description files: line pieces, key matching and the value conversions.
#include "algorithm/description_reader.h"

#include <algorithm>
#include <fstream>
#include <limits>

#include "algorithm/ascii_case.h"

namespace lunda {
namespace {

using Traits = std::char_traits<char>;

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Index 0..35 of a "desc1".."desc36" key (as the format "desc%d" spells them), or -1.
int PurposeIndex(std::string_view key) {
  constexpr std::string_view kPrefix = "desc";
  if (key.size() <= kPrefix.size() || key.size() > kPrefix.size() + 2) return -1;
  if (!EqualsIgnoringAsciiCase(key.substr(0, kPrefix.size()), kPrefix)) return -1;
  const std::string_view digits = key.substr(kPrefix.size());
  if (digits.front() == '0') return -1;
  int n = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n <= 36 ? n - 1 : -1;
}

}  // namespace

bool LinePieceReader::Next(std::string& piece) {
  piece.clear();
  std::streambuf& buffer = *in.rdbuf();
  if (Traits::eq_int_type(buffer.sgetc(), Traits::eof())) return false;
  while (piece.size() < kMaxLinePiece) {
    const auto c = buffer.sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) break;
    if (c == '\n') break;
    if (c == '\r' && buffer.sgetc() == '\n') {
      buffer.sbumpc();
      break;
    }
    piece += Traits::to_char_type(c);
  }
  if (const auto nul = piece.find('\0'); nul != std::string::npos) piece.resize(nul);
  return true;
}

bool ParseLeadingInt(std::string_view text, std::int32_t& value) {
  std::size_t pos = 0;
  while (pos < text.size() && IsCSpace(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  if (pos == text.size() || text[pos] < '0' || text[pos] > '9') return false;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    magnitude = std::min(magnitude * 10 + (text[pos] - '0'), kLimit);
  }
  const std::int64_t signedValue = negative ? -magnitude : magnitude;
  value = static_cast<std::int32_t>(
      std::clamp<std::int64_t>(signedValue, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()));
  return true;
}

void ApplyDescriptionLine(std::string_view line, CAlgorithm& algorithm) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return;
  const std::string_view key = line.substr(0, equals);
  const std::string_view value = line.substr(equals + 1);
  if (EqualsIgnoringAsciiCase(key, "number")) {
    std::int32_t number = 0;
    if (ParseLeadingInt(value, number)) algorithm.number = number;
  } else if (EqualsIgnoringAsciiCase(key, "name")) {
    algorithm.name = value;
  } else if (EqualsIgnoringAsciiCase(key, "file")) {
    algorithm.file = value;
  } else if (EqualsIgnoringAsciiCase(key, "description")) {
    algorithm.description = value;
  } else if (const int index = PurposeIndex(key); index >= 0) {
    algorithm.purposes[static_cast<std::size_t>(index)] = value;
  }
}

std::string ExpandLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
      out += "\r\n";
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

void ReadDescription(std::istream& in, CAlgorithm& algorithm) {
  LinePieceReader reader(in);
  std::string piece;
  while (reader.Next(piece)) ApplyDescriptionLine(piece, algorithm);
  algorithm.description = ExpandLineBreaks(algorithm.description);
}

bool ReadDescription(const std::filesystem::path& path, CAlgorithm& algorithm) {
  std::error_code error;
  // Opening a pipe waits for a writer and a device such as /dev/zero never ends; a folder opens
  // as a stream on some systems. None of them is a description.
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  ReadDescription(in, algorithm);
  return true;
}

}  // namespace lunda
