// Replacing a file whole: the content and the folder after success, failure and writers that
// meet. The crash side is in tests/reliability.
#include "platform/replace_file.h"

#include <gtest/gtest.h>

#include <atomic>
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

// Two writers of one target leave it holding one of them whole: on POSIX they take turns, on
// Windows the one that finds the temporary open gives up.
TEST(ReplaceFileContents, ReplacesWholeOrLeavesTheFileAsItWas) {
  testing::TempDir dir;
  const fs::path target = dir.path() / "list.cnt";
  std::error_code error;
  ASSERT_TRUE(ReplaceFileContents(target, Bytes(10'000, 1), error)) << error.message();
  ASSERT_TRUE(ReplaceFileContents(target, Bytes{2, 3}, error)) << error.message();
  EXPECT_EQ(dir.Read("list.cnt"), Text({2, 3}));

  fs::create_directory(dir.path() / "folder");
  for (const char* refused : {"missing/x", "folder"}) {
    error.clear();
    EXPECT_FALSE(ReplaceFileContents(dir.path() / refused, Bytes{1}, error)) << refused;
    EXPECT_TRUE(error) << refused;
  }

  const Bytes contents[2] = {Bytes(100'000, 0xAA), Bytes(70'000, 0x55)};
  std::atomic<int> written = 0;
  const auto writer = [&](int which) {
    std::error_code ownError;
    for (int i = 0; i < 50; ++i) written += ReplaceFileContents(target, contents[which], ownError);
  };
  { const std::jthread first(writer, 0), second(writer, 1); }
#ifndef _WIN32
  EXPECT_EQ(written.load(), 100);
#endif
  const std::string left = dir.Read("list.cnt");
  EXPECT_TRUE(left == Text(contents[0]) || left == Text(contents[1])) << left.size();
  EXPECT_EQ(dir.Names(), (std::set<std::string>{"folder", "list.cnt"}));
}

}  // namespace
}  // namespace lunda
