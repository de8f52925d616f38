// A data folder built from the input, scanned as at start-up: the catalogue is in order and every
// entry is whole and patches. The input is text: each line "=== NAME" starts a file holding the
// lines up to the next such line; a '/' in NAME makes a subfolder.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <numeric>

#include "algorithm/catalogue.h"
#include "algorithm/format_list_item.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using lunda::fuzz::Check;
  namespace fs = std::filesystem;
  static const fs::path dir =
      fs::temp_directory_path() / ("lunda-fuzz-catalogue-" + std::to_string(getpid()));
  std::error_code error;
  fs::remove_all(dir, error);
  const std::string text = "\n" + std::string(reinterpret_cast<const char*>(data), size);
  std::size_t pos = text.find("\n=== ");
  for (int files = 0; pos != std::string::npos && files < 16; ++files) {
    const std::size_t body = std::min(text.find('\n', pos + 1), text.size());
    std::string name;  // letters, digits, '_', inner '/' and single dots: nothing leaves dir
    for (const char c : text.substr(pos + 5, std::max(body, pos + 5) - pos - 5)) {
      if (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || (c == '/' && !name.empty()) ||
          (c == '.' && !name.ends_with('.'))) {
        name += c;
      }
    }
    pos = text.find("\n=== ", body);
    fs::create_directories((dir / name).parent_path(), error);
    std::ofstream(dir / name.substr(0, 200), std::ios::binary)
        << text.substr(std::min(body + 1, text.size()), pos - std::min(body + 1, pos));
  }
  lunda::AlgorithmCatalogue catalogue;
  Check(lunda::ScanCatalogue(dir, catalogue) == !catalogue.empty(), "found means an entry");
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    lunda::CAlgorithm& algorithm = *catalogue[i];
    Check(i == 0 || static_cast<std::uint32_t>(catalogue[i - 1]->number) <=
                        static_cast<std::uint32_t>(algorithm.number),
          "ascending by unsigned number");
    static_cast<void>(lunda::FormatListItem(algorithm));
    Check(algorithm.PatchImage({2026, 12, 6}), "a writable date patches");
    const unsigned sum = std::accumulate(algorithm.image.begin(), algorithm.image.end(), 0u);
    Check(sum % 256 == 0 && algorithm.image.size() == lunda::kImageSize, "whole, adds up to 0");
  }
  return 0;
}
