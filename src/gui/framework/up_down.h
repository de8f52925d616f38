// Up-down (spin) controls: two arrows that report each step to the dialog (CDialog::OnDeltaPos)
// before their own position moves, and never write into their buddy.
#pragma once

#include "gui/framework/dialog.h"

namespace lunda {

class CUpDown {
 public:
  CUpDown(CDialog& dialog, int id) : dialog_(dialog), id_(id) {}

  // With lower <= upper the up arrow steps by +1, otherwise by -1.
  void SetRange(int lower, int upper) { dialog_.Range(id_).SetRange(lower, upper); }
  void SetPos(int position) { dialog_.Range(id_).SetPosition(position); }
  [[nodiscard]] int GetPos() const { return dialog_.Range(id_).Position(); }
  // With the arrow-keys style, Up and Down pressed in the buddy step the control.
  void SetBuddy(int buddyId) { dialog_.Item(id_).SetBuddy(dialog_.Item(buddyId)); }

 private:
  CDialog& dialog_;
  int id_;
};

}  // namespace lunda
