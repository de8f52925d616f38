// A data folder made to hurt the start-up scan: a description of 50 MB, 10,000 descriptions, a
// name of 255 bytes, symbolic link loops, a pipe and a device where files should be, and a
// sparse image of 2 GB. The scan must end, read only regular files, read 5120 bytes of an image,
// and skip what it cannot read without a word.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "algorithm/catalogue.h"
#include "temp_dir.h"

namespace lunda {
namespace {

namespace fs = std::filesystem;

constexpr int kManyDescriptions = 10'000;
constexpr std::size_t kHugeDescriptionBytes = 50u << 20;
constexpr std::uintmax_t kSparseImageBytes = 2ull << 30;

TEST(HostileDataFolder, ScanEndsWithEveryReadableEntryAndNothingElse) {
  testing::TempDir dir;
  const fs::path data = dir.path() / "data";
  const auto describe = [&](const std::string& stem, int number, const std::string& image) {
    dir.Write("data/" + stem + ".cfg",
              "number=" + std::to_string(number) + "\nname=" + stem + "\nfile=" + image + "\n");
  };
  dir.Write("data/good.bin", std::string(kImageSize, '\x11'));
  describe("good", 1, "good.bin");

  std::string huge = "number=2\nname=huge\nfile=good.bin\n";
  while (huge.size() < kHugeDescriptionBytes)
    huge += "description=" + std::string(1000, 'd') + "\\n\n";
  dir.Write("data/huge.cfg", huge);

  for (int i = 0; i < kManyDescriptions; ++i)
    describe("many" + std::to_string(i), 100 + i, "good.bin");
  describe(std::string(251, 'n'), 3, "good.bin");  // 255 bytes with ".cfg"

  for (const char* name : {"loop.cfg", "loop.bin"}) {
    fs::create_symlink(name, data / name);
    fs::create_symlink("/dev/zero", data / ("zero" + std::string(name)));
    ASSERT_EQ(mkfifo((data / ("fifo" + std::string(name))).c_str(), 0600), 0);
  }
  describe("loopimage", 4, "loop.bin");
  describe("fifoimage", 6, "fifoloop.bin");
  describe("zeroimage", 7, "zeroloop.bin");
  fs::create_directory_symlink(".", data / "here");
  describe("around", 5, "here\\here\\here\\here\\good.bin");

  dir.Write("data/sparse.bin", "\x22");
  fs::resize_file(data / "sparse.bin", kSparseImageBytes);
  describe("sparse", 8, "sparse.bin");

  AlgorithmCatalogue catalogue;
  ASSERT_TRUE(ScanCatalogue(data, catalogue));
  ASSERT_EQ(catalogue.size(), 5u + kManyDescriptions);
  // By number: the ones outside the many first.
  std::vector<std::string> names;
  for (std::size_t i = 0; i < 5; ++i) names.push_back(catalogue[i]->name);
  EXPECT_EQ(names,
            (std::vector<std::string>{"good", "huge", std::string(251, 'n'), "around", "sparse"}));
  EXPECT_EQ(catalogue.back()->name, "many" + std::to_string(kManyDescriptions - 1));
  // The last description line of the huge file.
  EXPECT_EQ(catalogue[1]->description, std::string(1000, 'd') + "\r\n");
  EXPECT_EQ(catalogue[4]->image[0], 0x22);  // the sparse image
}

}  // namespace
}  // namespace lunda
