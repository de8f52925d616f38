// An algorithm record: loading, and moving parameters between the image and the blocks.
#include "algorithm/algorithm.h"

#include "algorithm/description_reader.h"

namespace lunda {
namespace {

std::uint8_t Bcd(int value) {
  return static_cast<std::uint8_t>(((value / 10 % 10) << 4) + value % 10);
}

}  // namespace

CAlgorithm::CAlgorithm() : current(defaults), image(kImageSize, 0) {}

bool CAlgorithm::Load(const std::filesystem::path& cfgPath, ImageFolder& images) {
  if (!ReadDescription(cfgPath, *this)) return false;
  const std::optional<std::filesystem::path> imagePath = images.Find(file);
  if (!imagePath || !ReadImageFile(*imagePath, image)) return false;
  ExtractParams();
  defaults = current;
  return true;
}

bool CAlgorithm::Load(const std::filesystem::path& cfgPath, const std::filesystem::path& dataDir) {
  ImageFolder images(dataDir);
  return Load(cfgPath, images);
}

bool CAlgorithm::ExtractParams() {
  for (int i = 0; i < kThresholdCount; ++i) {
    current.thresholds[static_cast<std::size_t>(i)] =
        image[kThresholdOffset + static_cast<std::size_t>(i)];
  }
  current.sensorCurrent = image[kSensorCurrentOffset];
  current.startDelay = image[kStartDelayOffset];
  for (int i = 0; i < kDelayCount; ++i)
    current.delays[static_cast<std::size_t>(i)] = image[DelayOffset(i)];
  return true;
}

bool CAlgorithm::PatchImage(const CalendarDate& date) {
  if (!IsWritableDate(date)) return false;
  image[kDayOffset] = Bcd(date.day);
  image[kMonthOffset] = Bcd(date.month);
  image[kYearOffset] = Bcd(date.year % 100);
  image[kNumberOffset] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(number) & 0xFF);
  for (int i = 0; i < kThresholdCount; ++i) {
    image[kThresholdOffset + static_cast<std::size_t>(i)] =
        current.thresholds[static_cast<std::size_t>(i)];
  }
  image[kSensorCurrentOffset] = current.sensorCurrent != 0 ? 1 : 0;
  image[kStartDelayOffset] = current.startDelay;
  for (int i = 0; i < kDelayCount; ++i)
    image[DelayOffset(i)] = current.delays[static_cast<std::size_t>(i)];
  image[imageSize - 1] = ChecksumByte(image.data(), imageSize);
  return true;
}

}  // namespace lunda
