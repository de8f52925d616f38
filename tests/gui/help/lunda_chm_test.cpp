// lunda.chm as the build made it, read back through chmlib: every link, picture and contents
// entry reaches a file inside, the viewers' texts are in Windows-1251, and nothing names the
// machine it was built on. That its context ids reach their topics the help window shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "algorithm/cp1251.h"
#include "gui/help/chm_file.h"
#include "gui/help/chm_open_check.h"
#include "gui/help/chm_sitemap.h"

namespace lunda {
namespace {

class LundaChmTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { help = ChmFile::Open(LUNDA_HELP_FILE); }
  static void TearDownTestSuite() { help.reset(); }
  void SetUp() override { ASSERT_NE(help, nullptr) << "cannot open " << LUNDA_HELP_FILE; }

  // Checks that link, found in the file at from, leads to a file inside the help and, when it
  // names an anchor, to a page that defines it.
  static void ExpectResolves(const std::string& from, const std::string& link) {
    SCOPED_TRACE(from + " -> " + link);
    ASSERT_EQ(link.find(':'), std::string::npos) << "a link that leaves the help file";
    const std::size_t hash = link.find('#');
    const std::string target = link.substr(0, hash);
    const std::filesystem::path base =
        target.starts_with('/') ? "/" : std::filesystem::path(from).parent_path();
    const std::string path =
        target.empty() ? from : (base / target).lexically_normal().generic_string();
    const std::optional<std::string> bytes = help->Read(path);
    ASSERT_TRUE(bytes.has_value()) << path << " is not in the help file";
    if (hash != std::string::npos) {
      EXPECT_NE(bytes->find("name=\"" + link.substr(hash + 1) + "\""), std::string::npos)
          << "no such anchor";
    }
  }

  static void ExpectEntriesResolve(const std::string& sitemap,
                                   const std::vector<SitemapItem>& items) {
    for (const SitemapItem& item : items) {
      ExpectResolves(sitemap, item.local);
      ExpectEntriesResolve(sitemap, item.children);
    }
  }

  static std::vector<SitemapItem> Sitemap(const std::string& name) {
    return ParseSitemap(help->Read('/' + name).value_or(""));
  }

  static inline std::unique_ptr<ChmFile> help;
};

TEST_F(LundaChmTest, NoFileInsideNamesTheBuildMachinesFolders) {
  for (const std::string& path : help->Paths()) {
    const std::string bytes = help->Read(path).value_or("");
    for (const char* folder : {LUNDA_SOURCE_DIR, LUNDA_BINARY_DIR}) {
      EXPECT_EQ(bytes.find(folder), std::string::npos) << path << " holds " << folder;
    }
  }
}

TEST_F(LundaChmTest, EveryLinkPictureAndEntryResolves) {
  const std::regex reference("(?:href|src)=\"([^\"]*)\"");
  int pages = 0;
  for (const std::string& path : help->Paths()) {
    if (!path.ends_with(".htm")) continue;
    ++pages;
    const std::string text = help->Read(path).value_or("");
    for (std::sregex_iterator it(text.begin(), text.end(), reference), end; it != end; ++it) {
      ExpectResolves(path, (*it)[1].str());
    }
  }
  EXPECT_EQ(pages, 11);
  for (const std::string& sitemap : {help->System().contentsFile, help->System().indexFile}) {
    const std::vector<SitemapItem> items = Sitemap(sitemap);
    EXPECT_GT(items.size(), 5u) << sitemap;
    ExpectEntriesResolve('/' + sitemap, items);
  }
}

TEST_F(LundaChmTest, TitleAndIndexAreInWindows1251) {
  EXPECT_EQ(help->System().languageId, 0x419u);
  EXPECT_EQ(help->System().title, Utf8ToCp1251("Справка программатора ЛУНДА"));
  EXPECT_EQ(help->System().defaultTopic, "index.htm");
  // chmcmd writes the keywords of a binary index as '?', and viewers prefer that index.
  const std::vector<std::string> paths = help->Paths();
  EXPECT_EQ(std::count(paths.begin(), paths.end(), "/$WWKeywordLinks/BTree"), 0);
  const auto index = Sitemap(help->System().indexFile);
  EXPECT_TRUE(std::any_of(index.begin(), index.end(), [](const SitemapItem& item) {
    return item.name == Utf8ToCp1251("Запись прервана");
  }));
}

// chmlib divides by the control data's window size even when it has rejected that data, and by
// the reset table's block length, and follows the directory's links without a bound; files
// damaged there must be refused before chmlib sees them.
TEST_F(LundaChmTest, SizesChmlibWouldDivideByAndLinksItWouldLoopOnAreRefused) {
  std::ifstream in(LUNDA_HELP_FILE, std::ios::binary);
  const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_TRUE(ChmOpensSafely(file));
  const std::string controlData = "::DataSpace/Storage/MSCompressed/ControlData";
  const std::string resetTable =
      "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
      "InstanceData/ResetTable";
  const struct {
    std::string object;
    std::size_t offset;
    std::string bytes;
  } damages[] = {
      {controlData, 0x10, std::string("\0\0\0\0", 4)},  // no window
      {controlData, 0x10, std::string("\0\0\2\0", 4)},  // 32 KiB units that wrap to zero
      {controlData, 0x14, std::string("\0\0\0\0", 4)},  // no windows per reset
      {resetTable, 0x20, std::string(8, '\0')},         // no block length
      {"", 0x10, std::string("\0\0\0\0", 4)},           // a listing chunk followed by itself
  };
  const std::filesystem::path damaged = std::filesystem::temp_directory_path() / "damaged.chm";
  for (const auto& damage : damages) {
    SCOPED_TRACE(damage.object + " at " + std::to_string(damage.offset));
    // No object: the directory's first listing chunk.
    const std::string object =
        damage.object.empty() ? "PMGL" : help->Read(damage.object).value_or("");
    const std::size_t at = file.find(object);
    ASSERT_TRUE(!object.empty() && at != std::string::npos);
    std::string bytes = file;
    bytes.replace(at + damage.offset, damage.bytes.size(), damage.bytes);
    std::ofstream(damaged, std::ios::binary) << bytes;
    EXPECT_EQ(ChmFile::Open(damaged), nullptr);
  }
  std::filesystem::remove(damaged);
}

}  // namespace
}  // namespace lunda
