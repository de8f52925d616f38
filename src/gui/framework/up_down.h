// Up-down (spin) controls: two arrows that report each step to the dialog (CDialog::OnDeltaPos)
// before their own position moves, and never write into their buddy.
#pragma once

#include "gui/framework/dialog.h"

namespace lunda {

class CUpDown {
 public:
  CUpDown(CDialog& dialog, int id) : window_(dialog.Window()), id_(id) {}

  // With lower <= upper the up arrow steps by +1, otherwise by -1.
  void SetRange(int lower, int upper) { window_.SetRange(id_, lower, upper); }
  void SetPos(int position) { window_.SetPosition(id_, position); }
  [[nodiscard]] int GetPos() const { return window_.Position(id_); }
  // With the arrow-keys style, Up and Down pressed in the buddy step the control.
  void SetBuddy(int buddyId) { window_.SetBuddy(id_, buddyId); }

 private:
  DialogWindow& window_;
  int id_;
};

}  // namespace lunda
