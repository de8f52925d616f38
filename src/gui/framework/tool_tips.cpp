// Tool registration through the owner's window.
#include "gui/framework/tool_tips.h"

#include "gui/framework/dialog.h"

namespace lunda {
namespace {

// The text up to its first maxChars characters, whole UTF-8 sequences only.
std::string_view FirstCharacters(std::string_view text, std::size_t maxChars) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
    if (!continuation && characters++ == maxChars) return text.substr(0, i);
  }
  return text;
}

}  // namespace

void CToolTips::AddTool(int id, std::string_view text) {
  if (owner_.HasDlgItem(id)) owner_.Item(id).SetToolTip(FirstCharacters(text, kToolTipMaxChars));
}

}  // namespace lunda
