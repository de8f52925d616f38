// Progress bars: a range and a position.
#pragma once

#include "gui/framework/dialog.h"

namespace lunda {

class CProgressCtrl {
 public:
  CProgressCtrl(CDialog& dialog, int id) : dialog_(dialog), id_(id) {}

  void SetRange(int lower, int upper) { dialog_.Range(id_).SetRange(lower, upper); }
  void SetPos(int position) { dialog_.Range(id_).SetPosition(position); }
  [[nodiscard]] int GetPos() const { return dialog_.Range(id_).Position(); }

 private:
  CDialog& dialog_;
  int id_;
};

}  // namespace lunda
