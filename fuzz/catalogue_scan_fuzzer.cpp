// A data folder built from the input, scanned as at start-up: the catalogue is in order and every
// entry is whole and patches. The input is files separated by NULs, each its name, a line feed
// and its bytes; a '/' in the name makes a subfolder.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <numeric>
#include <sstream>

#include "algorithm/catalogue.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace fs = std::filesystem;
  static const fs::path dir =
      fs::temp_directory_path() / ("lunda-fuzz-catalogue-" + std::to_string(getpid()));
  std::error_code error;
  fs::remove_all(dir, error);
  fs::create_directory(dir, error);
  std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
  std::string file;
  for (int files = 0; files < 16 && std::getline(input, file, '\0'); ++files) {
    const std::size_t body = std::min(file.find('\n'), file.size());
    std::string name;  // letters, digits, '_', inner '/' and single dots: nothing leaves dir
    for (const char c : file.substr(0, std::min<std::size_t>(body, 200))) {
      if (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || (c == '/' && !name.empty()) ||
          (c == '.' && !name.ends_with('.')))
        name += c;
    }
    fs::create_directories((dir / name).parent_path(), error);
    std::ofstream(dir / name, std::ios::binary) << file.substr(std::min(body + 1, file.size()));
  }
  lunda::AlgorithmCatalogue catalogue;
  Check(lunda::ScanCatalogue(dir, catalogue) == !catalogue.empty(), "found means an entry");
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    lunda::CAlgorithm& algorithm = *catalogue[i];
    Check(i == 0 || static_cast<std::uint32_t>(catalogue[i - 1]->number) <=
                        static_cast<std::uint32_t>(algorithm.number),
          "ascending by unsigned number");
    Check(algorithm.PatchImage({2026, 12, 6}), "a writable date patches");
    const unsigned sum = std::accumulate(algorithm.image.begin(), algorithm.image.end(), 0u);
    Check(sum % 256 == 0 && algorithm.image.size() == lunda::kImageSize, "whole, adds up to 0");
  }
  return 0;
}
