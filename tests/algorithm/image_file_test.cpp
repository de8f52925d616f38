#include "algorithm/image_file.h"

#include <gtest/gtest.h>

#include <string>

#include "temp_dir.h"

namespace lunda {
namespace {

// On-disk names are UTF-8; the wanted names are the raw Windows-1251 bytes of a "file" value.
class ImageFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"IMG.bin", "Img.bin", "img.bin", "Sub/Deep/x.bin", "dir.bin/y.bin",
                             "\xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0.bin",  // Ёлка.bin
                             "\xD1\x97\xD0\xB6\xD0\xB0\xD0\xBA.bin",  // їжак.bin
                             "\xE6\x97\xA5.bin"}) {                   // 日.bin
      dir.Write(reinterpret_cast<const char8_t*>(name), name);
    }
  }
  // The found path below the folder, or "-" for nothing.
  std::string Find(ImageFolder& images, std::string_view file) const {
    const auto path = images.Find(file);
    return path ? path->lexically_relative(dir.path()).generic_string() : "-";
  }
  testing::TempDir dir;
};

TEST_F(ImageFolderTest, MatchesEachPartIgnoringCaseOnce) {
  if (std::filesystem::exists(dir.path() / "SUB")) GTEST_SKIP() << "case-insensitive file system";
  const struct {
    std::string_view file;
    std::string found;
  } cases[] = {
      {"img.bin", "img.bin"},  // as written before any case variant
      {"Img.bin", "Img.bin"},
      {"iMG.BIN", "IMG.bin"},  // the bytewise first of the variants
      {"sub\\DEEP/X.BIN", "Sub/Deep/x.bin"},
      {"SUB/deep\\\\x.bin", "Sub/Deep/x.bin"},
      {"\xB8\xCB\xCA\xC0.BIN", "\xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0.bin"},  // ёЛКА.BIN
      {"\xAF\xE6\xE0\xEA.bin", "\xD1\x97\xD0\xB6\xD0\xB0\xD0\xBA.bin"},  // Їжак.bin
      {"img.bin. ", "img.bin"},  // trailing dots and spaces go, as on Windows
      {"sub. \\DEEP /x.bin", "Sub/Deep/x.bin"},
      {"?.bin", "-"},    // a name Windows-1251 cannot spell is never matched
      {"DIR.BIN", "-"},  // a folder is no image
      {"Dir.bin/Y.BIN", "dir.bin/y.bin"},
      {"missing.bin", "-"},
      {"/", "-"},
  };
  ImageFolder images(dir.path());
  for (int round = 0; round < 2; ++round) {  // the second round answers from the listings
    for (const auto& c : cases) EXPECT_EQ(Find(images, c.file), c.found) << c.file;
  }
}

}  // namespace
}  // namespace lunda
