// Times ScanCatalogue over generated data folders of 2,000 algorithms: images named exactly as
// on disk, and named in another case.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "algorithm/catalogue.h"

namespace {

namespace fs = std::filesystem;

constexpr int kAlgorithms = 2000;
constexpr int kRounds = 5;

// upperCaseNames: the descriptions name their images in upper case while the files are lower
// case, so every lookup falls back to the case-insensitive search of the folder.
void MakeDataFolder(const fs::path& dir, bool upperCaseNames) {
  fs::create_directories(dir);
  std::minstd_rand random(1);
  const std::string image(lunda::kImageSize, '\x5A');
  for (int i = 0; i < kAlgorithms; ++i) {
    const std::string stem = "alg" + std::to_string(i);
    std::string named = stem + ".bin";
    if (upperCaseNames) {
      for (char& c : named) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    std::ofstream cfg(dir / (stem + ".cfg"), std::ios::binary);
    cfg << "number=" << random() % 100 << "\r\nname=Algorithm " << i << "\r\nfile=" << named
        << "\r\ndescription=First line.\\nSecond line.\r\n";
    for (int d = 1; d <= 36; ++d) cfg << "desc" << d << "=Delay purpose " << d << "\r\n";
    std::ofstream(dir / (stem + ".bin"), std::ios::binary) << image;
  }
}

void TimeScan(const char* label, const fs::path& dir) {
  double best = 1e300;
  std::size_t loaded = 0;
  for (int round = 0; round < kRounds; ++round) {
    lunda::AlgorithmCatalogue catalogue;
    const auto start = std::chrono::steady_clock::now();
    if (!lunda::ScanCatalogue(dir, catalogue)) std::printf("%s: nothing found\n", label);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    best = std::min(best, elapsed.count());
    loaded = catalogue.size();
  }
  std::printf("%-28s %zu algorithms: total %.1f ms, %.1f us per algorithm (best of %d)\n", label,
              loaded, best * 1e3, best * 1e6 / static_cast<double>(loaded), kRounds);
}

}  // namespace

int main() {
  std::random_device random;
  const fs::path root = fs::temp_directory_path() / ("lunda-bench-" + std::to_string(random()));
  MakeDataFolder(root / "exact", false);
  MakeDataFolder(root / "case", true);
  TimeScan("ScanCatalogue, exact names", root / "exact");
  TimeScan("ScanCatalogue, other case", root / "case");
  std::error_code ignored;
  fs::remove_all(root, ignored);
  return 0;
}
