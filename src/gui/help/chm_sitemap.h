// The contents (.hhc) and index (.hhk) files of a CHM: HTML lists of sitemap objects.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lunda {

struct SitemapItem {
  std::string name;   // the first "Name" parameter
  std::string local;  // the first "Local" parameter, a topic path; empty for a heading
  std::vector<SitemapItem> children;
};

// Nesting deeper than this is flattened onto the deepest level, so that whoever walks the tree
// recursively stays within bounds whatever the file holds.
inline constexpr std::size_t kMaxSitemapDepth = 32;

// The items of the text in file order, nested by its <ul> lists. Tolerant, as viewers are:
// unknown tags, stray closing tags and a missing end are ignored.
[[nodiscard]] std::vector<SitemapItem> ParseSitemap(std::string_view text);

}  // namespace lunda
