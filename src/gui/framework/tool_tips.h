// Tooltips for a window's controls: at most 256 pixels wide, shown for 10176 ms.
#pragma once

#include <cstddef>
#include <string_view>

namespace lunda {

class CDialog;

inline constexpr int kToolTipMaxWidth = 256;
inline constexpr int kToolTipDisplayMs = 10176;
inline constexpr std::size_t kToolTipMaxChars = 1023;

// One tip per registered control, shown while the pointer rests on it; created with its window
// and gone with it.
class CToolTips {
 public:
  explicit CToolTips(CDialog& owner) : owner_(owner) {}

  // Registers the control with that id and its tip text, cut to kToolTipMaxChars characters as
  // the classic text buffer cuts it; a missing control is ignored.
  void AddTool(int id, std::string_view text);

 private:
  CDialog& owner_;
};

}  // namespace lunda
