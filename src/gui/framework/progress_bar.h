// Progress bars: a range and a position.
#pragma once

#include "gui/framework/dialog.h"

namespace lunda {

class CProgressCtrl {
 public:
  CProgressCtrl(CDialog& dialog, int id) : window_(dialog.Window()), id_(id) {}

  void SetRange(int lower, int upper) { window_.SetRange(id_, lower, upper); }
  void SetPos(int position) { window_.SetPosition(id_, position); }
  [[nodiscard]] int GetPos() const { return window_.Position(id_); }

 private:
  DialogWindow& window_;
  int id_;
};

}  // namespace lunda
