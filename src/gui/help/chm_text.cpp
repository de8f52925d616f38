// Choosing the code page of a help text.
#include "gui/help/chm_text.h"

#include <algorithm>

#include "algorithm/ascii_case.h"
#include "algorithm/cp1251.h"

namespace lunda {
namespace {

// A page declares its code page in its head.
constexpr std::size_t kHeadSize = 1024;

bool DeclaresUtf8(std::string_view bytes) {
  constexpr std::string_view kDeclaration = "charset=utf-8";
  const std::string_view head = bytes.substr(0, kHeadSize);
  return std::search(head.begin(), head.end(), kDeclaration.begin(), kDeclaration.end(),
                     [](char a, char b) { return AsciiLower(a) == AsciiLower(b); }) != head.end();
}

}  // namespace

std::string HelpTextToUtf8(std::string_view bytes) {
  return DeclaresUtf8(bytes) ? std::string(bytes) : Cp1251ToUtf8(bytes);
}

}  // namespace lunda
