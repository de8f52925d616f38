// Any bytes as a help file: the CHM container through chmlib with every internal file read and
// every context looked up, and the same bytes straight into the parsers as #SYSTEM, #IVB/#STRINGS
// and a contents file.
#include <unistd.h>

#include <fstream>

#include "fuzz/fuzz_check.h"
#include "gui/help/chm_context_map.h"
#include "gui/help/chm_file.h"
#include "gui/help/chm_sitemap.h"
#include "gui/help/chm_system.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  static_cast<void>(lunda::ParseChmSystem(bytes));
  static_cast<void>(lunda::ParseContextMap(bytes.substr(0, size / 2), bytes.substr(size / 2)));
  static_cast<void>(lunda::ParseSitemap(bytes));
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("help_file_fuzzer." + std::to_string(getpid()));
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  const auto file = lunda::ChmFile::Open(path);
  if (file == nullptr) return 0;
  for (const std::string& inside : file->Paths()) static_cast<void>(file->Read(inside));
  for (const auto& [id, topic] : file->ContextMap())
    Check(file->TopicForContext(id).value_or("").starts_with('/'), "a topic is a path");
  return 0;
}
