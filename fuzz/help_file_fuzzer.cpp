// Any bytes as a help file: the CHM container through chmlib, then every internal file it yields
// through our parsers, and the same bytes straight into the parsers as #SYSTEM, #IVB/#STRINGS and
// a contents file.
#include <unistd.h>

#include <fstream>

#include "fuzz/fuzz_check.h"
#include "gui/help/chm_context_map.h"
#include "gui/help/chm_file.h"
#include "gui/help/chm_sitemap.h"
#include "gui/help/chm_system.h"

namespace {

using lunda::fuzz::Check;

std::size_t Depth(const std::vector<lunda::SitemapItem>& items) {
  std::size_t deepest = 0;
  for (const lunda::SitemapItem& item : items) deepest = std::max(deepest, Depth(item.children));
  return items.empty() ? 0 : deepest + 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  static_cast<void>(lunda::ParseChmSystem(bytes));
  static_cast<void>(lunda::ParseContextMap(bytes.substr(0, size / 2), bytes.substr(size / 2)));
  Check(Depth(lunda::ParseSitemap(bytes)) <= lunda::kMaxSitemapDepth, "the nesting is bounded");
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("help_file_fuzzer." + std::to_string(getpid()));
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  const auto file = lunda::ChmFile::Open(path);
  if (file == nullptr) return 0;
  for (const std::string& inside : file->Paths()) {
    const auto content = file->Read(inside);
    if (content && (inside.ends_with(".hhc") || inside.ends_with(".hhk")))
      Check(Depth(lunda::ParseSitemap(*content)) <= lunda::kMaxSitemapDepth, "bounded nesting");
  }
  for (const auto& [id, topic] : file->ContextMap())
    Check(file->TopicForContext(id).value_or("").starts_with('/'), "a topic is a path");
  return 0;
}
