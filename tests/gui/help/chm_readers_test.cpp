// The readers of the contents, index and context map, fed the damaged and unusual input a file
// may hold.
#include <gtest/gtest.h>

#include <string>

#include "gui/help/chm_context_map.h"
#include "gui/help/chm_sitemap.h"

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

struct SitemapCase {
  const char* label;
  std::string text;
  std::string outline;
};

void PrintTo(const SitemapCase& c, std::ostream* out) { *out << c.label; }

class SitemapTest : public ::testing::TestWithParam<SitemapCase> {};

TEST_P(SitemapTest, ReadsTheTreeAsViewersDo) {
  EXPECT_EQ(Outline(ParseSitemap(GetParam().text)), GetParam().outline);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SitemapTest,
    ::testing::Values(
        SitemapCase{"nested",
                    "<ul>" + Entry("A", "a.htm") + "<ul>" + Entry("B", "b.htm#x") +
                        Entry("C", "c.htm") + "</ul>" + Entry("D", "d.htm") + "</ul>",
                    "A=a.htm{B=b.htm#x,C=c.htm},D=d.htm"},
        SitemapCase{"attribute forms",
                    "<ul><li><object TYPE='text/sitemap'><PARAM name=name value='A &amp; B'>"
                    "<param name=local value=a.htm><param name=\"Name\" value=\"second\">"
                    "</object></ul>",
                    "A & B=a.htm"},
        SitemapCase{"other objects and stray tags",
                    "</ul></ul><object type=\"text/site properties\"><param name=\"Name\" "
                    "value=\"no\"></object><param name=\"Name\" value=\"no\">" +
                        Entry("A", "") + "<ul>" + Entry("B", "b.htm"),
                    "A={B=b.htm}"},
        SitemapCase{"cut off inside a tag", "<ul>" + Entry("A", "a.htm") + "<object type=\"te",
                    "A=a.htm"}));

TEST(SitemapTest, DeepNestingStaysWithinTheLimit) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += Entry("x", "x.htm") + "<ul>";
  std::size_t depth = 0;
  for (auto items = ParseSitemap(text); !items.empty(); items = items.back().children) ++depth;
  EXPECT_EQ(depth, kMaxSitemapDepth + 1);
}

std::string Le32(std::uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
  return bytes;
}

struct ContextMapCase {
  const char* label;
  std::string ivb;
  std::map<std::uint32_t, std::string> expected;
};

void PrintTo(const ContextMapCase& c, std::ostream* out) { *out << c.label; }

class ContextMapTest : public ::testing::TestWithParam<ContextMapCase> {};

TEST_P(ContextMapTest, KeepsOnlyTopicsInsideTheStrings) {
  const std::string strings("\0/a.htm\0/b.htm\0/open", 20);
  EXPECT_EQ(ParseContextMap(GetParam().ivb, strings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ContextMapTest,
    ::testing::Values(
        ContextMapCase{"two",
                       Le32(16) + Le32(0x20000) + Le32(1) + Le32(0x20002) + Le32(8),
                       {{0x20000, "/a.htm"}, {0x20002, "/b.htm"}}},
        ContextMapCase{"offsets outside or unterminated",
                       Le32(24) + Le32(1) + Le32(99) + Le32(2) + Le32(15) + Le32(3) + Le32(1),
                       {{3, "/a.htm"}}},
        ContextMapCase{
            "count beyond the data", Le32(800) + Le32(7) + Le32(8) + Le32(9), {{7, "/b.htm"}}},
        ContextMapCase{"too short", "\x10", {}}));

}  // namespace
}  // namespace lunda
