// Image files: the case-insensitive lookup the original platform gave for free, and the read.
#include "algorithm/image_file.h"

#include <fstream>
#include <vector>

#include "algorithm/cp1251.h"

namespace lunda {
namespace {

namespace fs = std::filesystem;

std::string FoldCase(std::string_view cp1251) {
  std::string folded(cp1251);
  for (char& c : folded) c = Cp1251ToLower(c);
  return folded;
}

// Windows drops the spaces and dots at the end of every part of a path ("img.bin " opens
// img.bin); "." and ".." keep their meaning.
std::string_view TrimLikeWindows(std::string_view part) {
  if (part == "." || part == "..") return part;
  while (!part.empty() && (part.back() == ' ' || part.back() == '.')) part.remove_suffix(1);
  return part;
}

std::vector<std::string_view> SplitFolders(std::string_view file) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= file.size(); ++i) {
    if (i == file.size() || file[i] == '\\' || file[i] == '/') {
      const std::string_view part = TrimLikeWindows(file.substr(start, i - start));
      if (!part.empty()) parts.push_back(part);
      start = i + 1;
    }
  }
  return parts;
}

fs::path FromCp1251(std::string_view part) {
  const std::string utf8 = Cp1251ToUtf8(part);
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// Empty for a name no description can spell: one the platform cannot express as UTF-8 (an
// unpaired surrogate on Windows) or with characters outside Windows-1251, which would otherwise
// turn into '?' and match a literal one.
std::string ToCp1251(const fs::path& name) {
  try {
    const std::u8string utf8 = name.u8string();
    const std::string text(utf8.begin(), utf8.end());
    std::string cp1251 = Utf8ToCp1251(text);
    return Cp1251ToUtf8(cp1251) == text ? cp1251 : std::string();
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace

ImageFolder::ImageFolder(fs::path dataDir) : dataDir_(std::move(dataDir)) {}

std::optional<fs::path> ImageFolder::Find(std::string_view file) {
  if (std::string_view("data\\").size() + file.size() > kMaxImagePathLength) return std::nullopt;
  const std::vector<std::string_view> parts = SplitFolders(file);
  if (parts.empty()) return std::nullopt;
  fs::path path = dataDir_;
  for (const std::string_view part : parts) {
    const std::optional<fs::path> next = FindEntry(path, part);
    if (!next) return std::nullopt;
    path = *next;
  }
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return std::nullopt;
  return path;
}

std::optional<fs::path> ImageFolder::FindEntry(const fs::path& dir, std::string_view part) {
  const fs::path exact = FromCp1251(part);
  // A drive or root in a part would leave the data folder.
  if (exact.has_root_name() || exact.has_root_directory()) return std::nullopt;
  std::error_code error;
  if (fs::exists(dir / exact, error)) return dir / exact;
  const Listing& listing = ListingOf(dir);
  const auto found = listing.find(FoldCase(part));
  if (found == listing.end()) return std::nullopt;
  return found->second;
}

const ImageFolder::Listing& ImageFolder::ListingOf(const fs::path& dir) {
  const auto [position, inserted] = listings_.try_emplace(dir);
  Listing& listing = position->second;
  if (!inserted) return listing;
  std::error_code error;
  for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    const std::string name = ToCp1251(it->path().filename());
    if (name.empty()) continue;
    const auto [entry, added] = listing.try_emplace(FoldCase(name), it->path());
    // The bytewise first, so that the choice does not depend on the listing order.
    if (!added && it->path().filename() < entry->second.filename()) entry->second = it->path();
  }
  return listing;
}

bool ReadImageFile(const fs::path& path, FirmwareImage& image) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  in.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(image.size()));
  return true;
}

}  // namespace lunda
