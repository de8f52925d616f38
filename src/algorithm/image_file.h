// Finding and reading an algorithm's firmware image file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "algorithm/firmware_image.h"

namespace lunda {

// The longest image path the original platform could open, counted as "data\" and the file
// value; a longer value is treated like a missing image.
inline constexpr std::size_t kMaxImagePathLength = 259;

// The data folder as the images are looked up in it. A folder is listed at most once, on the
// first name that needs the case-insensitive match, so a scan of many descriptions naming their
// images in another case stays linear.
class ImageFolder {
 public:
  explicit ImageFolder(std::filesystem::path dataDir);

  // The image named by a description's "file" value (raw Windows-1251 bytes, '\' or '/' between
  // folders). Each part of the name, without trailing spaces and dots, is taken as written when
  // it exists, else matched ignoring the case of every Windows-1251 letter, as Windows finds
  // files. Nothing when no regular file answers to the name.
  [[nodiscard]] std::optional<std::filesystem::path> Find(std::string_view file);

 private:
  // Folded name to the entry; of several case variants the bytewise first.
  using Listing = std::unordered_map<std::string, std::filesystem::path>;

  [[nodiscard]] std::optional<std::filesystem::path> FindEntry(const std::filesystem::path& dir,
                                                               std::string_view part);
  const Listing& ListingOf(const std::filesystem::path& dir);

  std::filesystem::path dataDir_;
  std::map<std::filesystem::path, Listing> listings_;
};

// The first image.size() bytes of the file into image; the tail of a shorter file keeps its
// bytes. False when the file cannot be opened.
[[nodiscard]] bool ReadImageFile(const std::filesystem::path& path, FirmwareImage& image);

}  // namespace lunda
