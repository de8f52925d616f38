#include "algorithm/algorithm.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace lunda {
namespace {

std::string ImageBytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + 3) & 0xFF);
  return bytes;
}

class LoadTest : public ::testing::Test {
 protected:
  bool Load(const std::string& cfg) { return algorithm.Load(dir.Write("t.cfg", cfg), dir.path()); }
  testing::TempDir dir;
  CAlgorithm algorithm;
};

TEST_F(LoadTest, ReadsParametersFromAnImageFoundIgnoringCaseAndBackslashes) {
  std::string image = ImageBytes(kImageSize);
  image[6] = 10, image[9] = 40, image[10] = 2, image[11] = 33;
  image[DelayOffset(35)] = '\xC5';
  dir.Write("sub/img.bin", image);
  ASSERT_TRUE(Load("file=SUB\\IMG.BIN\n"));
  EXPECT_EQ(algorithm.current.thresholds,
            (std::array<std::uint8_t, 4>{10, 7 * 7 + 3, 7 * 8 + 3, 40}));
  EXPECT_EQ(algorithm.current.sensorCurrent, 2);
  EXPECT_EQ(algorithm.current.startDelay, 33);
  EXPECT_EQ(algorithm.current.delays[35], 0xC5);
  EXPECT_EQ(algorithm.current.delays[1], static_cast<std::uint8_t>(18 * 7 + 3));
  EXPECT_EQ(algorithm.defaults, algorithm.current);
  EXPECT_EQ(algorithm.image, FirmwareImage(image.begin(), image.end()));
}

TEST_F(LoadTest, PadsShortImagesAndSkipsMissingFolderAndOverlongOnes) {
  std::filesystem::create_directory(dir.path() / "folder.bin");
  // "data\" and the name must fit the platform's 259 characters, whatever this disk allows.
  const std::string longName(kMaxImagePathLength - 4, 'n');
  dir.Write(longName, "x");
  dir.Write(longName.substr(1), "x");
  for (const std::string& file :
       std::vector<std::string>{"missing.bin", "folder.bin", longName, "/etc/hostname", ""})
    EXPECT_FALSE(Load("file=" + file)) << file;
  EXPECT_TRUE(Load("file=" + longName.substr(1)));
  dir.Write("short.bin", ImageBytes(100));
  ASSERT_TRUE(Load("file=short.bin"));
  FirmwareImage expected(kImageSize, 0);
  for (std::size_t i = 0; i < 100; ++i) expected[i] = (i * 7 + 3) & 0xFF;
  EXPECT_EQ(algorithm.image, expected);
}

TEST(PatchImageTest, WritesEveryFieldAndTheChecksumAndNothingElse) {
  CAlgorithm algorithm;
  const std::string seed = ImageBytes(kImageSize);
  algorithm.image.assign(seed.begin(), seed.end());
  algorithm.number = 300;
  algorithm.current.thresholds = {1, 2, 3, 4};
  algorithm.current.sensorCurrent = 2;
  algorithm.current.startDelay = 200;
  std::iota(algorithm.current.delays.begin(), algorithm.current.delays.end(), 100);
  ASSERT_TRUE(algorithm.PatchImage({2004, 12, 5}));
  const FirmwareImage& image = algorithm.image;
  // Date in BCD, the number's low byte, bytes 4 and 5 untouched, thresholds, current code, delay.
  EXPECT_EQ(FirmwareImage(image.begin(), image.begin() + 12),
            (FirmwareImage{0x05, 0x12, 0x04, 0x2C, 31, 38, 1, 2, 3, 4, 1, 200}));
  EXPECT_EQ((std::vector<int>{image[17], image[18], image[33], image[1585], image[3169]}),
            (std::vector<int>{100, 101, 111, 112, 135}));
  EXPECT_EQ(std::accumulate(image.begin(), image.end(), 0u) % 256, 0u);
  std::set<std::size_t> written = {0, 1, 2, 3, 6, 7, 8, 9, 10, 11, kImageSize - 1};
  for (const std::size_t channel : {0u, 1568u, 3136u}) {
    for (const std::size_t delay : {17, 18, 20, 21, 23, 24, 26, 27, 29, 30, 32, 33})
      written.insert(channel + delay);
  }
  std::vector<std::size_t> changed;  // of the bytes that must keep the file's value
  for (std::size_t i = 0; i < kImageSize; ++i) {
    if (!written.contains(i) && image[i] != static_cast<std::uint8_t>(seed[i]))
      changed.push_back(i);
  }
  EXPECT_EQ(changed, std::vector<std::size_t>{});
  algorithm.current.sensorCurrent = 0;  // direct current
  ASSERT_TRUE(algorithm.PatchImage({2004, 12, 5}));
  EXPECT_EQ(algorithm.image[10], 0);
}

TEST(PatchImageTest, DateAndNumberBytesOrARefusalThatLeavesTheImageAlone) {
  const struct {
    CalendarDate date;
    std::int32_t number;
    FirmwareImage head;  // bytes 0..3, or none when the date is refused
  } cases[] = {{{2010, 1, 31}, 7, {0x31, 0x01, 0x10, 0x07}},
               {{2000, 2, 29}, -3, {0x29, 0x02, 0x00, 0xFD}},
               {{2069, 12, 31}, 255, {0x31, 0x12, 0x69, 0xFF}},
               {{1969, 12, 31}, 9, {}},
               {{2024, 13, 1}, 9, {}},
               {{2024, 4, 31}, 9, {}},
               {{2024, 1, 0}, 9, {}}};
  for (const auto& c : cases) {
    CAlgorithm algorithm;
    algorithm.number = c.number;
    EXPECT_EQ(algorithm.PatchImage(c.date), !c.head.empty()) << c.date.year << "-" << c.date.month;
    const FirmwareImage expected = c.head.empty() ? FirmwareImage(kImageSize, 0) : c.head;
    EXPECT_EQ(FirmwareImage(algorithm.image.begin(), algorithm.image.begin() + expected.size()),
              expected);
  }
}

}  // namespace
}  // namespace lunda
