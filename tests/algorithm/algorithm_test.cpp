// Loading descriptions and finding their images, patching an image, and the scan of a data
// folder.
#include "algorithm/algorithm.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include "algorithm/catalogue.h"
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
  const AlgorithmParams& p = algorithm.current;
  // Thresholds at 6..9, the current at 10, the start delay at 11, the delays
  // from 17 on.
  EXPECT_EQ((std::vector<int>{p.thresholds[0], p.thresholds[1], p.thresholds[3], p.sensorCurrent,
                              p.startDelay, p.delays[1], p.delays[35]}),
            (std::vector<int>{10, 7 * 7 + 3, 40, 2, 33, 18 * 7 + 3, 0xC5}));
  EXPECT_EQ(algorithm.defaults, algorithm.current);
}

TEST_F(LoadTest, PadsShortImagesAndSkipsOverlongOrAbsoluteNames) {
  // "data\" and the name must fit the platform's 259 characters, whatever this
  // disk allows.
  const std::string longName(kMaxImagePathLength - 4, 'n');
  dir.Write(longName, "x");
  dir.Write(longName.substr(1), "x");
  for (const std::string& file : {longName, std::string("/etc/hostname"), std::string()})
    EXPECT_FALSE(Load("file=" + file)) << file;
  EXPECT_TRUE(Load("file=" + longName.substr(1)));
  dir.Write("short.bin", ImageBytes(100));
  ASSERT_TRUE(Load("file=short.bin"));
  EXPECT_EQ(std::string(algorithm.image.begin(), algorithm.image.end()),
            ImageBytes(100) + std::string(kImageSize - 100, '\0'));
}

TEST(PatchImageTest, WritesEveryFieldAndTheChecksumAndNothingElse) {
  CAlgorithm algorithm;
  const std::string seed = ImageBytes(kImageSize);
  algorithm.image.assign(seed.begin(), seed.end());
  algorithm.number = 300;
  algorithm.current = {.thresholds = {1, 2, 3, 4}, .startDelay = 200, .sensorCurrent = 2};
  std::iota(algorithm.current.delays.begin(), algorithm.current.delays.end(), 100);
  ASSERT_TRUE(algorithm.PatchImage({2004, 12, 5}));
  // Date in BCD, the number's low byte, bytes 4 and 5 kept, thresholds, current
  // code, delay; each channel's delays in pairs three bytes apart from 17; the
  // checksum last; nothing else.
  FirmwareImage expected(seed.begin(), seed.end());
  const FirmwareImage head = {0x05, 0x12, 0x04, 0x2C, expected[4], expected[5], 1, 2, 3, 4, 1, 200};
  std::copy(head.begin(), head.end(), expected.begin());
  for (std::size_t i = 0; i < kDelayCount; ++i)
    expected[1568 * (i / 12) + 17 + i % 12 / 2 * 3 + i % 2] = static_cast<std::uint8_t>(100 + i);
  expected.back() =
      static_cast<std::uint8_t>(0 - std::accumulate(expected.begin(), expected.end() - 1, 0u));
  std::vector<std::size_t> wrong;  // offsets rather than 5120 bytes in a failure
  for (std::size_t i = 0; i < kImageSize; ++i)
    if (algorithm.image[i] != expected[i]) wrong.push_back(i);
  EXPECT_EQ(wrong, std::vector<std::size_t>{});
  algorithm.current.sensorCurrent = 0;  // direct current
  ASSERT_TRUE(algorithm.PatchImage({2004, 12, 5}));
  EXPECT_EQ(algorithm.image[10], 0);
}

TEST(PatchImageTest, DateAndNumberBytesOrARefusalThatLeavesTheImageAlone) {
  // The date, the number, and bytes 0..3 or none when the date is refused.
  const std::tuple<CalendarDate, std::int32_t, FirmwareImage> cases[] = {
      {{2000, 2, 29}, -3, {0x29, 0x02, 0x00, 0xFD}},
      {{2069, 12, 31}, 255, {0x31, 0x12, 0x69, 0xFF}},
      {{1969, 12, 31}, 9, {}},
      {{2024, 13, 1}, 9, {}},
      {{2024, 4, 31}, 9, {}},
      {{2024, 1, 0}, 9, {}}};
  for (const auto& [date, number, head] : cases) {
    CAlgorithm algorithm;
    algorithm.number = number;
    EXPECT_EQ(algorithm.PatchImage(date), !head.empty()) << date.year << "-" << date.month;
    const FirmwareImage expected = head.empty() ? FirmwareImage(kImageSize, 0) : head;
    EXPECT_EQ(FirmwareImage(algorithm.image.begin(), algorithm.image.begin() + expected.size()),
              expected);
  }
}

TEST(ScanCatalogueTest, OrdersByUnsignedNumberKeepingScanOrderForEqualNumbers) {
  testing::TempDir dir;
  dir.Write("img.bin", std::string(10, '\1'));
  // Scanned in the byte order of the names, capitals first: F, a, b, c, d, e.
  dir.Write("a.cfg", "number=5\nname=five-first\nfile=img.bin");
  dir.Write("b.cfg", "number=2\nname=two\nfile=img.bin");
  dir.Write("c.cfg", "number=5\nname=five-second\nfile=img.bin");
  dir.Write("d.cfg", "number=-3\nname=minus-three\nfile=img.bin");
  dir.Write("e.CFG", "name=no-number\nfile=img.bin");
  dir.Write("F.Cfg", "number=4000000000\nname=saturated\nfile=img.bin");
  dir.Write("g.cfg", "number=1\nname=missing-image\nfile=none.bin");
  dir.Write("h.cfg.txt", "number=1\nname=not-a-description\nfile=img.bin");
  AlgorithmCatalogue catalogue;
  ASSERT_TRUE(ScanCatalogue(dir.path(), catalogue));
  std::vector<std::string> names;
  for (const auto& algorithm : catalogue) names.push_back(algorithm->name);
  EXPECT_EQ(names, (std::vector<std::string>{"no-number", "two", "five-first", "five-second",
                                             "saturated", "minus-three"}));
  EXPECT_NE(catalogue[2]->image.data(), catalogue[3]->image.data());
}

// On-disk names are UTF-8; the wanted names are the raw Windows-1251 bytes of a "file" value.
TEST(ImageFolderTest, MatchesEachPartIgnoringCaseOnce) {
  testing::TempDir dir;
  for (const char* name : {"IMG.bin", "Img.bin", "img.bin", "Sub/Deep/x.bin", "dir.bin/y.bin",
                           "\xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0.bin",  // Ёлка.bin
                           "\xD1\x97\xD0\xB6\xD0\xB0\xD0\xBA.bin",  // їжак.bin
                           "\xE6\x97\xA5.bin"}) {                   // 日.bin
    dir.Write(reinterpret_cast<const char8_t*>(name), name);
  }
  if (std::filesystem::exists(dir.path() / "SUB")) GTEST_SKIP() << "case-insensitive file system";
  // "file -> found": exact names before their case variants, else the bytewise first variant;
  // trailing dots and spaces go, as on Windows; ёЛКА.BIN and Їжак.bin; '?' (no Windows-1251
  // name can hold it), a folder and the root are never matched.
  ImageFolder images(dir.path());
  for (int round = 0; round < 2; ++round) {  // the second round answers from the listings
    for (const std::string_view row :
         {"img.bin -> img.bin", "iMG.BIN -> IMG.bin", "sub\\DEEP/X.BIN -> Sub/Deep/x.bin",
          "SUB/deep\\\\x.bin -> Sub/Deep/x.bin", "img.bin.  -> img.bin",
          "sub. \\DEEP /x.bin -> Sub/Deep/x.bin",
          "\xB8\xCB\xCA\xC0.BIN -> \xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0.bin",
          "\xAF\xE6\xE0\xEA.bin -> \xD1\x97\xD0\xB6\xD0\xB0\xD0\xBA.bin", "?.bin -> -",
          "DIR.BIN -> -", "Dir.bin/Y.BIN -> dir.bin/y.bin", "/ -> -"}) {
      const std::size_t arrow = row.find(" -> ");
      const auto path = images.Find(row.substr(0, arrow));
      const std::string found = path ? path->lexically_relative(dir.path()).generic_string() : "-";
      EXPECT_EQ(found, row.substr(arrow + 4)) << row;
    }
  }
}

}  // namespace
}  // namespace lunda
