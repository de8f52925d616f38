// Where lunda.chm is found: the first folder of the search path that holds it as a file.
#include "gui/help/help_file_lookup.h"

#include <gtest/gtest.h>

#include "platform/executable_folder.h"
#include "tests/algorithm/temp_dir.h"

namespace lunda {
namespace {

namespace fs = std::filesystem;

TEST(HelpFileLookupTest, TheFirstFolderHoldingTheFileWins) {
  testing::TempDir temp;
  const std::vector<fs::path> folders = {temp.path() / "a", temp.path() / "b", temp.path() / "c"};
  EXPECT_EQ(FindHelpFile(folders), std::nullopt);
  temp.Write(fs::path("b") / kHelpFileName, "b");
  temp.Write(fs::path("c") / kHelpFileName, "c");
  EXPECT_EQ(FindHelpFile(folders), folders[1] / kHelpFileName);
  // A folder of that name is no help file.
  fs::create_directories(folders[0] / kHelpFileName);
  EXPECT_EQ(FindHelpFile(folders), folders[1] / kHelpFileName);
}

TEST(HelpFileLookupTest, BesideTheExecutableFirstAndTheWorkingDirectoryLast) {
  const std::vector<fs::path> folders = HelpFileFolders();
  ASSERT_EQ(folders.size(), 3u);
  EXPECT_EQ(folders.front(), ExecutableFolder());
  EXPECT_TRUE(fs::exists(folders.front() / "help_file_tests"));
  EXPECT_EQ(folders[1], (folders.front() / ".." / "share" / "lunda").lexically_normal());
  EXPECT_EQ(folders.back(), fs::current_path());
}

}  // namespace
}  // namespace lunda
