// CAboutDlg: the About box, closed by "OK" or the cancel command.
#pragma once

#include "gui/framework/dialog.h"
#include "res/ids.h"

namespace lunda {

class CAboutDlg : public CDialog {
 public:
  explicit CAboutDlg(CDialog* parent = nullptr) : CDialog(ids::about_dlg::kTemplate, parent) {}
};

}  // namespace lunda
