// CAboutDlg: the About box, template 100, closed by "OK" or the cancel command.
#pragma once

#include "gui/framework/dialog.h"

namespace lunda {

class CAboutDlg : public CDialog {
 public:
  explicit CAboutDlg(CDialog* parent = nullptr) : CDialog(100, parent) {}
};

}  // namespace lunda
