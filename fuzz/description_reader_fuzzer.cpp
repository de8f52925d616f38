// Any bytes as a description file: every field comes from one line piece, carries no line end
// of its own, and survives the code page round trip the list and the pages make.
#include <cstdint>
#include <sstream>
#include <string>

#include "algorithm/cp1251.h"
#include "algorithm/description_reader.h"
#include "algorithm/format_list_item.h"
#include "fuzz/fuzz_check.h"

namespace {

using lunda::fuzz::Check;

void CheckField(const std::string& field, std::size_t keyLength) {
  Check(field.size() + keyLength + 1 <= lunda::kMaxLinePiece, "a field fits in one line piece");
  Check(field.find('\n') == std::string::npos, "no line feed inside a field");
  Check(field.find('\0') == std::string::npos, "no NUL inside a field");
  Check(lunda::Utf8ToCp1251(lunda::Cp1251ToUtf8(field)) == field, "code page round trip");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  lunda::CAlgorithm algorithm;
  lunda::ReadDescription(in, algorithm);
  CheckField(algorithm.name, 4);
  CheckField(algorithm.file, 4);
  for (const std::string& purpose : algorithm.purposes) CheckField(purpose, 5);
  // CR LF is what "\n" turns into; a lone line feed cannot come from the file.
  const std::string& description = algorithm.description;
  Check(description.size() + 12 <= lunda::kMaxLinePiece, "the description fits in one piece");
  for (std::size_t i = description.find('\n'); i != std::string::npos;
       i = description.find('\n', i + 1)) {
    Check(i > 0 && description[i - 1] == '\r', "line feeds of the description follow a CR");
  }
  const std::string row = lunda::FormatListItem(algorithm);
  Check(row == algorithm.name + " {" + algorithm.file + "}", "an unchanged row has no mark");
  return 0;
}
