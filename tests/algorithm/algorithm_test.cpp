#include "algorithm/algorithm.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "algorithm/delay_codec.h"
#include "algorithm/image_file.h"
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
  bool Load(const std::string& cfg) {
    const auto path = dir.Write("t.cfg", cfg);
    return algorithm.Load(path, dir.path());
  }
  testing::TempDir dir;
  CAlgorithm algorithm;
};

TEST_F(LoadTest, ReadsParametersFromAnImageFoundIgnoringCaseAndBackslashes) {
  std::string image = ImageBytes(kImageSize);
  image[6] = 10, image[9] = 40, image[10] = 2, image[11] = 33;
  image[DelayOffset(0)] = static_cast<char>(EncodeDelay(45, kMinutes));
  image[DelayOffset(35)] = static_cast<char>(EncodeDelay(5, kDays));
  dir.Write("sub/img.bin", image);
  ASSERT_TRUE(Load("file=SUB\\IMG.BIN\n"));
  EXPECT_EQ(algorithm.current.thresholds,
            (std::array<std::uint8_t, 4>{10, 7 * 7 + 3, 7 * 8 + 3, 40}));
  EXPECT_EQ(algorithm.current.sensorCurrent, 2);
  EXPECT_EQ(algorithm.current.startDelay, 33);
  EXPECT_EQ(algorithm.current.delays[0], 0x6D);
  EXPECT_EQ(algorithm.current.delays[35], 0xC5);
  EXPECT_EQ(algorithm.current.delays[1], static_cast<std::uint8_t>(18 * 7 + 3));
  EXPECT_EQ(algorithm.defaults, algorithm.current);
  EXPECT_EQ(algorithm.image, FirmwareImage(image.begin(), image.end()));
}

TEST_F(LoadTest, KeepsTheFirst5120BytesAndPadsShortImagesWithZeros) {
  const std::string longImage = ImageBytes(kImageSize + 100);
  dir.Write("long.bin", longImage);
  ASSERT_TRUE(Load("file=long.bin"));
  EXPECT_EQ(algorithm.image, FirmwareImage(longImage.begin(), longImage.begin() + kImageSize));

  CAlgorithm shortOne;
  dir.Write("short.bin", ImageBytes(100));
  ASSERT_TRUE(shortOne.Load(dir.Write("s.cfg", "file=short.bin"), dir.path()));
  ASSERT_EQ(shortOne.image.size(), kImageSize);
  EXPECT_EQ(shortOne.image[99], (99 * 7 + 3) & 0xFF);
  EXPECT_EQ(std::accumulate(shortOne.image.begin() + 100, shortOne.image.end(), 0), 0);
}

TEST_F(LoadTest, SkipsMissingFolderAndOverlongImages) {
  std::filesystem::create_directory(dir.path() / "folder.bin");
  // "data\" and the name must fit the platform's 259 characters, whatever this disk allows.
  const std::string longName(kMaxImagePathLength - 4, 'n');
  dir.Write(longName, "x");
  EXPECT_FALSE(Load("file=missing.bin"));
  EXPECT_FALSE(Load("file=folder.bin"));
  EXPECT_FALSE(Load("name=no file"));
  EXPECT_FALSE(Load("file=" + longName));
  EXPECT_FALSE(Load("file=/etc/hostname"));
  dir.Write(longName.substr(1), "x");
  EXPECT_TRUE(Load("file=" + longName.substr(1)));
}

TEST(PatchImageTest, WritesEveryFieldAndTheChecksumAndNothingElse) {
  CAlgorithm algorithm;
  const std::string seed = ImageBytes(kImageSize);
  algorithm.image.assign(seed.begin(), seed.end());
  algorithm.number = 300;
  algorithm.current.thresholds = {1, 2, 3, 4};
  algorithm.current.sensorCurrent = 2;
  algorithm.current.startDelay = 200;
  for (int i = 0; i < kDelayCount; ++i)
    algorithm.current.delays[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 100);
  ASSERT_TRUE(algorithm.PatchImage({2004, 12, 5}));
  const FirmwareImage& image = algorithm.image;
  // Date in BCD, the number's low byte, bytes 4 and 5 untouched, thresholds, current code, delay.
  EXPECT_EQ(FirmwareImage(image.begin(), image.begin() + 12),
            (FirmwareImage{0x05, 0x12, 0x04, 0x2C, 31, 38, 1, 2, 3, 4, 1, 200}));
  EXPECT_EQ(image[17], 100);
  EXPECT_EQ(image[18], 101);
  EXPECT_EQ(image[33], 111);
  EXPECT_EQ(image[1585], 112);
  EXPECT_EQ(image[3169], 135);
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

  const FirmwareImage once = image;
  ASSERT_TRUE(algorithm.PatchImage({2004, 12, 5}));
  EXPECT_EQ(algorithm.image, once);
  algorithm.current.sensorCurrent = 0;  // direct current
  ASSERT_TRUE(algorithm.PatchImage({2004, 12, 5}));
  EXPECT_EQ(algorithm.image[10], 0);
}

TEST(PatchImageTest, DateAndNumberBytes) {
  struct Case {
    CalendarDate date;
    std::int32_t number;
    std::array<int, 4> bytes;
  };
  for (const Case& c : {Case{{2010, 1, 31}, 7, {0x31, 0x01, 0x10, 0x07}},
                        Case{{2000, 2, 29}, -3, {0x29, 0x02, 0x00, 0xFD}},
                        Case{{1999, 10, 1}, 256, {0x01, 0x10, 0x99, 0x00}},
                        Case{{2069, 12, 31}, 255, {0x31, 0x12, 0x69, 0xFF}}}) {
    CAlgorithm algorithm;
    algorithm.number = c.number;
    ASSERT_TRUE(algorithm.PatchImage(c.date));
    EXPECT_EQ((std::array<int, 4>{algorithm.image[0], algorithm.image[1], algorithm.image[2],
                                  algorithm.image[3]}),
              c.bytes);
  }
}

TEST(PatchImageTest, RefusesUnwritableDatesLeavingTheImageUntouched) {
  for (const CalendarDate& date :
       {CalendarDate{1969, 12, 31}, CalendarDate{2070, 1, 1}, CalendarDate{2023, 2, 29},
        CalendarDate{2024, 13, 1}, CalendarDate{2024, 4, 31}, CalendarDate{2024, 1, 0}}) {
    CAlgorithm algorithm;
    algorithm.number = 9;
    EXPECT_FALSE(algorithm.PatchImage(date)) << date.year << "-" << date.month << "-" << date.day;
    EXPECT_EQ(algorithm.image, FirmwareImage(kImageSize, 0));
  }
}

}  // namespace
}  // namespace lunda
