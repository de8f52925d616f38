// The settings a CHM keeps in its #SYSTEM file: title, default topic, contents and index files,
// language.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lunda {

// Texts as the file stores them, in the code page of its language.
struct ChmSystem {
  std::string title;
  std::string defaultTopic;  // "index.htm"
  std::string contentsFile;  // "lunda.hhc"
  std::string indexFile;     // "lunda.hhk"
  std::uint32_t languageId = 0;
};

// Reads what it understands from the bytes of #SYSTEM and skips the rest; a damaged file gives
// the entries before the damage.
[[nodiscard]] ChmSystem ParseChmSystem(std::string_view bytes);

}  // namespace lunda
