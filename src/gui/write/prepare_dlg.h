// CPrepareDlg: tells the user how to put the controller into programming mode.
#pragma once

#include "gui/framework/dialog.h"

namespace lunda {

// "Начать запись" ends with 1, "Отмена" and the close box with 2; the template holds the text.
class CPrepareDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 135;

  explicit CPrepareDlg(CDialog* parent = nullptr) : CDialog(kTemplateId, parent) {}
};

}  // namespace lunda
