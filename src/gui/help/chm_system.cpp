// #SYSTEM: a version word, then entries of a 16-bit code, a 16-bit length and that many bytes.
#include "gui/help/chm_system.h"

#include "gui/help/chm_bytes.h"

namespace lunda {
namespace {

enum SystemCode : std::uint16_t {
  kContentsFile = 0,
  kIndexFile = 1,
  kDefaultTopic = 2,
  kTitle = 3,
  kLanguage = 4,
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
    switch (code) {
      case kContentsFile:
        system.contentsFile = EntryText(data);
        break;
      case kIndexFile:
        system.indexFile = EntryText(data);
        break;
      case kDefaultTopic:
        system.defaultTopic = EntryText(data);
        break;
      case kTitle:
        system.title = EntryText(data);
        break;
      case kLanguage:
        if (data.size() >= 4) system.languageId = ReadLe32(data, 0);
        break;
      default:
        break;
    }
  }
  return system;
}

}  // namespace lunda
