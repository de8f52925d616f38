// A data folder built from the input, scanned as at start-up: the catalogue is in order and every
// entry is whole. The input is text: each line "=== NAME" starts a file holding the lines up to
// the next such line; a '/' in NAME makes a subfolder.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "algorithm/catalogue.h"
#include "algorithm/format_list_item.h"
#include "fuzz/fuzz_check.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHeader = "=== ";
constexpr std::size_t kMaxFiles = 16;
constexpr std::size_t kMaxNamePart = 100;

// The name's folders and file, without the parts that would leave the folder or be no name.
fs::path SafeRelative(std::string_view name) {
  fs::path relative;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= name.size(); ++i) {
    if (i < name.size() && name[i] != '/') continue;
    std::string part(name.substr(start, i - start));
    std::erase(part, '\0');
    if (part.size() > kMaxNamePart) part.resize(kMaxNamePart);
    if (!part.empty() && part != "." && part != "..") relative /= part;
    start = i + 1;
  }
  return relative;
}

void BuildFolder(std::string_view text, const fs::path& dir) {
  std::size_t files = 0;
  std::size_t pos = text.starts_with(kHeader) ? 0 : text.find("\n" + std::string(kHeader));
  while (pos != std::string_view::npos && files < kMaxFiles) {
    if (text[pos] == '\n') ++pos;
    const std::size_t nameEnd = std::min(text.find('\n', pos), text.size());
    const fs::path relative =
        SafeRelative(text.substr(pos + kHeader.size(), nameEnd - pos - kHeader.size()));
    std::size_t next = text.find("\n" + std::string(kHeader), nameEnd);
    const std::size_t bodyStart = std::min(nameEnd + 1, text.size());
    const std::size_t bodyEnd = next == std::string_view::npos ? text.size() : next;
    if (!relative.empty()) {
      std::error_code error;
      fs::create_directories((dir / relative).parent_path(), error);
      std::ofstream(dir / relative, std::ios::binary)
          .write(text.data() + bodyStart,
                 static_cast<std::streamsize>(std::max(bodyStart, bodyEnd) - bodyStart));
      ++files;
    }
    pos = next;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using lunda::fuzz::Check;
  static const fs::path dir =
      fs::temp_directory_path() / ("lunda-fuzz-catalogue-" + std::to_string(getpid()));
  std::error_code error;
  fs::remove_all(dir, error);
  fs::create_directories(dir, error);
  BuildFolder(std::string_view(reinterpret_cast<const char*>(data), size), dir);

  lunda::AlgorithmCatalogue catalogue;
  const bool found = lunda::ScanCatalogue(dir, catalogue);
  Check(found == !catalogue.empty(), "found means at least one entry");
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    lunda::CAlgorithm& algorithm = *catalogue[i];
    if (i > 0) {
      Check(static_cast<std::uint32_t>(catalogue[i - 1]->number) <=
                static_cast<std::uint32_t>(algorithm.number),
            "ascending by unsigned number");
    }
    Check(algorithm.image.size() == lunda::kImageSize && algorithm.imageSize == lunda::kImageSize,
          "every image is whole");
    Check(algorithm.defaults == algorithm.current, "a fresh entry is unchanged");
    static_cast<void>(lunda::FormatListItem(algorithm));
    Check(algorithm.PatchImage({2026, 12, 6}), "a writable date patches");
    const unsigned sum = std::accumulate(algorithm.image.begin(), algorithm.image.end(), 0u);
    Check(sum % 256 == 0, "a patched image adds up to 0");
  }
  return 0;
}
