// The scan of the data folder into the ordered catalogue.
#include "algorithm/catalogue.h"

#include <algorithm>
#include <string_view>

namespace lunda {
namespace {

namespace fs = std::filesystem;

// Compared on the native string, which never needs a (possibly failing) conversion.
bool HasCfgExtension(const fs::path& name) {
  const auto& text = name.native();
  constexpr std::string_view kExtension = ".cfg";
  if (text.size() < kExtension.size()) return false;
  const std::size_t start = text.size() - kExtension.size();
  for (std::size_t i = 0; i < kExtension.size(); ++i) {
    auto c = text[start + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<decltype(c)>(c - 'A' + 'a');
    if (c != static_cast<decltype(c)>(kExtension[i])) return false;
  }
  return true;
}

// Description files in name order, so that equal numbers come out the same on every platform.
std::vector<fs::path> ListDescriptionFiles(const fs::path& dataDir) {
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::directory_iterator it(dataDir, error), end; !error && it != end; it.increment(error)) {
    if (HasCfgExtension(it->path().filename())) files.push_back(it->path());
  }
  std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
    return a.filename().native() < b.filename().native();
  });
  return files;
}

}  // namespace

void InsertByNumber(AlgorithmCatalogue& catalogue, std::unique_ptr<CAlgorithm> algorithm) {
  const auto key = static_cast<std::uint32_t>(algorithm->number);
  // The catalogue is sorted, so the first greater entry is its upper bound.
  const auto position =
      std::upper_bound(catalogue.begin(), catalogue.end(), key,
                       [](std::uint32_t value, const std::unique_ptr<CAlgorithm>& entry) {
                         return value < static_cast<std::uint32_t>(entry->number);
                       });
  catalogue.insert(position, std::move(algorithm));
}

bool ScanCatalogue(const fs::path& dataDir, AlgorithmCatalogue& catalogue) {
  bool found = false;
  ImageFolder images(dataDir);
  for (const fs::path& cfgPath : ListDescriptionFiles(dataDir)) {
    auto algorithm = std::make_unique<CAlgorithm>();
    if (!algorithm->Load(cfgPath, images)) continue;
    InsertByNumber(catalogue, std::move(algorithm));
    found = true;
  }
  return found;
}

}  // namespace lunda
