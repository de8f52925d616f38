// #SYSTEM: a version word, then entries of a 16-bit code, a 16-bit length and that many bytes.
#include "gui/help/chm_system.h"

#include <utility>

#include "gui/help/chm_bytes.h"

namespace lunda {
namespace {

constexpr std::uint16_t kLanguageCode = 4;

// The entries that hold a text, by code.
constexpr std::pair<std::uint16_t, std::string ChmSystem::*> kTextEntries[] = {
    {0, &ChmSystem::contentsFile},
    {1, &ChmSystem::indexFile},
    {2, &ChmSystem::defaultTopic},
    {3, &ChmSystem::title},
};

// Entry texts end with a zero byte inside their length.
std::string EntryText(std::string_view data) {
  return std::string(data.substr(0, data.find('\0')));
}

}  // namespace

ChmSystem ParseChmSystem(std::string_view bytes) {
  ChmSystem system;
  constexpr std::size_t kVersionSize = 4;
  std::size_t at = kVersionSize;
  while (at + 4 <= bytes.size()) {
    const std::uint16_t code = ReadLe16(bytes, at);
    const std::uint16_t length = ReadLe16(bytes, at + 2);
    at += 4;
    if (length > bytes.size() - at) break;
    const std::string_view data = bytes.substr(at, length);
    at += length;
    if (code == kLanguageCode && data.size() >= 4) system.languageId = ReadLe32(data, 0);
    for (const auto& [textCode, field] : kTextEntries) {
      if (code == textCode) system.*field = EntryText(data);
    }
  }
  return system;
}

}  // namespace lunda
