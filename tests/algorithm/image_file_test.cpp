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
  testing::TempDir dir;
};

TEST_F(ImageFolderTest, MatchesEachPartIgnoringCaseOnce) {
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
