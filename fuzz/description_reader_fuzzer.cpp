// Any bytes as a description file: every field comes from one line piece, carries no line end
// or NUL of its own.
#include <sstream>

#include "algorithm/description_reader.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  lunda::CAlgorithm algorithm;
  lunda::ReadDescription(in, algorithm);
  std::vector<std::string> fields(algorithm.purposes.begin(), algorithm.purposes.end());
  fields.insert(fields.end(), {algorithm.name, algorithm.file});
  for (const std::string& field : fields) {
    Check(field.size() + 5 <= lunda::kMaxLinePiece, "a field fits in one line piece");
    Check(field.find_first_of(std::string("\n\0", 2)) == std::string::npos, "no LF or NUL");
  }
  // CR LF is what "\n" turns into; a lone line feed cannot come from the file.
  const std::string& text = algorithm.description;
  for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
    Check(i > 0 && text[i - 1] == '\r', "line feeds of the description follow a CR");
  return 0;
}
