// CPrepareDlg: tells the user how to put the controller into programming mode.
#pragma once

#include "gui/framework/dialog.h"
#include "res/ids.h"

namespace lunda {

// "Начать запись" ends with 1, "Отмена" and the close box with 2; the template holds the text.
class CPrepareDlg : public CDialog {
 public:
  explicit CPrepareDlg(CDialog* parent = nullptr) : CDialog(ids::prepare_dlg::kTemplate, parent) {}
};

}  // namespace lunda
