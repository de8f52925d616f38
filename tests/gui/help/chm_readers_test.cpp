// The readers of the contents, index and context map, fed the damaged and unusual input a file
// may hold; and where lunda.chm is found: the first folder of the search path that holds it as a
// file.
#include <gtest/gtest.h>

#include <string>

#include "gui/help/chm_context_map.h"
#include "gui/help/chm_sitemap.h"
#include "gui/help/help_file_lookup.h"
#include "platform/executable_folder.h"
#include "tests/algorithm/temp_dir.h"

namespace lunda {
namespace {

// "name=local" per item, children in braces: a tree in one line.
std::string Outline(const std::vector<SitemapItem>& items) {
  std::string text;
  for (const SitemapItem& item : items) {
    if (!text.empty()) text += ',';
    text += item.name + '=' + item.local;
    if (!item.children.empty()) text += '{' + Outline(item.children) + '}';
  }
  return text;
}

std::string Entry(const std::string& name, const std::string& local) {
  return "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + name +
         "\"><param name=\"Local\" value=\"" + local + "\"></OBJECT>";
}

TEST(SitemapTest, ReadsTheTreeAsViewersDo) {
  const std::pair<std::string, std::string> cases[] = {
      {"<ul>" + Entry("A", "a.htm") + "<ul>" + Entry("B", "b.htm#x") + Entry("C", "c.htm") +
           "</ul>" + Entry("D", "d.htm") + "</ul>",
       "A=a.htm{B=b.htm#x,C=c.htm},D=d.htm"},
      // Attribute forms: case, quotes, entities; a second name is ignored.
      {"<ul><li><object TYPE='text/sitemap'><PARAM name=name value='A &amp; B'>"
       "<param name=local value=a.htm><param name=\"Name\" value=\"second\"></object></ul>",
       "A & B=a.htm"},
      // Other objects and stray tags.
      {"</ul></ul><object type=\"text/site properties\"><param name=\"Name\" value=\"no\">"
       "</object><param name=\"Name\" value=\"no\">" +
           Entry("A", "") + "<ul>" + Entry("B", "b.htm"),
       "A={B=b.htm}"},
      {"<ul>" + Entry("A", "a.htm") + "<object type=\"te", "A=a.htm"},  // cut off inside a tag
  };
  for (const auto& [text, outline] : cases) EXPECT_EQ(Outline(ParseSitemap(text)), outline);
  std::string deep;
  for (int i = 0; i < 1000; ++i) deep += Entry("x", "x.htm") + "<ul>";
  std::size_t depth = 0;
  for (auto items = ParseSitemap(deep); !items.empty(); items = items.back().children) ++depth;
  EXPECT_EQ(depth, kMaxSitemapDepth + 1);
}

std::string Le32(std::uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
  return bytes;
}

TEST(ContextMapTest, KeepsOnlyTopicsInsideTheStrings) {
  const std::string strings("\0/a.htm\0/b.htm\0/open", 20);
  const std::pair<std::string, std::map<std::uint32_t, std::string>> cases[] = {
      {Le32(16) + Le32(0x20000) + Le32(1) + Le32(0x20002) + Le32(8),
       {{0x20000, "/a.htm"}, {0x20002, "/b.htm"}}},
      // Offsets outside the strings or at one without its end are dropped.
      {Le32(24) + Le32(1) + Le32(99) + Le32(2) + Le32(15) + Le32(3) + Le32(1), {{3, "/a.htm"}}},
      {Le32(800) + Le32(7) + Le32(8) + Le32(9), {{7, "/b.htm"}}},  // count beyond the data
      {"\x10", {}},                                                // too short
  };
  for (const auto& [ivb, topics] : cases) EXPECT_EQ(ParseContextMap(ivb, strings), topics);
}

namespace fs = std::filesystem;

TEST(HelpFileLookupTest, TheFirstFolderOfTheSearchPathHoldingTheFileWins) {
  testing::TempDir temp;
  const std::vector<fs::path> folders = {temp.path() / "a", temp.path() / "b", temp.path() / "c"};
  EXPECT_EQ(FindHelpFile(folders), std::nullopt);
  temp.Write(fs::path("b") / kHelpFileName, "b");
  temp.Write(fs::path("c") / kHelpFileName, "c");
  EXPECT_EQ(FindHelpFile(folders), folders[1] / kHelpFileName);
  // A folder of that name is no help file.
  fs::create_directories(folders[0] / kHelpFileName);
  EXPECT_EQ(FindHelpFile(folders), folders[1] / kHelpFileName);
  // The search path: beside the executable first and the working directory last.
  const fs::path beside = ExecutableFolder().value_or("");
  EXPECT_TRUE(fs::exists(beside / "help_file_tests"));
  EXPECT_EQ(HelpFileFolders(),
            (std::vector<fs::path>{beside, (beside / ".." / "share" / "lunda").lexically_normal(),
                                   fs::current_path()}));
}

}  // namespace
}  // namespace lunda
