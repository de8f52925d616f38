// One catalogue entry: a description file, its firmware image and its parameter blocks.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "algorithm/algorithm_params.h"
#include "algorithm/calendar_date.h"
#include "algorithm/firmware_image.h"
#include "algorithm/image_file.h"

namespace lunda {

class CAlgorithm {
 public:
  CAlgorithm();
  virtual ~CAlgorithm() = default;
  CAlgorithm(const CAlgorithm&) = delete;
  CAlgorithm& operator=(const CAlgorithm&) = delete;

  // Reads the description at cfgPath, then the image named by its "file" key from images.
  // False when either cannot be opened; the record is then to be discarded.
  [[nodiscard]] bool Load(const std::filesystem::path& cfgPath, ImageFolder& images);
  // The same for a single load, looking the image up in dataDir.
  [[nodiscard]] bool Load(const std::filesystem::path& cfgPath,
                          const std::filesystem::path& dataDir);

  // Image bytes into current. Always succeeds.
  bool ExtractParams();
  // Date, number, current and checksum into the image, in place. False, with the image
  // untouched, for a date that IsWritableDate refuses.
  [[nodiscard]] bool PatchImage(const CalendarDate& date);

  // Description side. Strings are the raw bytes of the file (Windows-1251 in practice).
  std::int32_t number = 0;
  std::string name;
  std::string file;
  std::string description;  // "\n" sequences already turned into CR LF
  std::array<std::string, 36> purposes;

  // Image side.
  AlgorithmParams defaults;
  AlgorithmParams current;
  FirmwareImage image;
  std::uint32_t imageSize = kImageSize;
};

}  // namespace lunda
