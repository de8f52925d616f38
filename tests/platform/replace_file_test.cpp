// Replacing a file whole: the content and the folder after success, failure and writers that
// meet. The crash side is in tests/reliability.
#include "platform/replace_file.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>
#include <vector>

#include "temp_dir.h"

namespace lunda {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

std::string Text(const Bytes& bytes) { return {bytes.begin(), bytes.end()}; }

TEST(ReplaceFileContents, ReplacesWholeOrLeavesTheFileAsItWas) {
  testing::TempDir dir;
  const fs::path target = dir.path() / "list.cnt";
  std::error_code error;
  ASSERT_TRUE(ReplaceFileContents(target, Bytes(10'000, 1), error)) << error.message();
  ASSERT_TRUE(ReplaceFileContents(target, Bytes{2, 3}, error)) << error.message();
  EXPECT_EQ(dir.Read("list.cnt"), Text({2, 3}));
  EXPECT_EQ(dir.Names(), std::set<std::string>{"list.cnt"});

  EXPECT_FALSE(ReplaceFileContents(dir.path() / "missing" / "x", Bytes{1}, error));
  EXPECT_TRUE(error);
  fs::create_directory(dir.path() / "folder");
  error.clear();
  EXPECT_FALSE(ReplaceFileContents(dir.path() / "folder", Bytes{1}, error));
  EXPECT_TRUE(error);
  EXPECT_TRUE(fs::is_directory(dir.path() / "folder"));
  EXPECT_EQ(dir.Names(), (std::set<std::string>{"folder", "list.cnt"}));
}

// Two writers of one target: the file always holds one of them whole. On POSIX they take turns;
// on Windows the one that finds the temporary open gives up.
TEST(ReplaceFileContents, WritersOfOneTargetNeverMixTheirBytes) {
  testing::TempDir dir;
  const fs::path target = dir.path() / "image.bin";
  const Bytes contents[2] = {Bytes(100'000, 0xAA), Bytes(70'000, 0x55)};
  int written[2] = {};
  const auto writer = [&](int which) {
    for (int i = 0; i < 50; ++i) {
      std::error_code error;
      written[which] += ReplaceFileContents(target, contents[which], error);
    }
  };
  std::thread first(writer, 0);
  std::thread second(writer, 1);
  first.join();
  second.join();
  EXPECT_GT(written[0] + written[1], 0);
#ifndef _WIN32
  EXPECT_EQ(written[0] + written[1], 100);
#endif
  const std::string left = dir.Read("image.bin");
  EXPECT_TRUE(left == Text(contents[0]) || left == Text(contents[1])) << left.size();
  EXPECT_EQ(dir.Names(), std::set<std::string>{"image.bin"});
}

}  // namespace
}  // namespace lunda
