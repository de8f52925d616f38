// CDateDlg: asks for the date that a write stores in the controller.
#pragma once

#include "algorithm/calendar_date.h"
#include "gui/framework/dialog.h"
#include "res/ids.h"

namespace lunda {

class CDateDlg : public CDialog {
 public:
  explicit CDateDlg(CDialog* parent = nullptr) : CDialog(ids::date_dlg::kTemplate, parent) {}

  // Set before each showing, read back after "Дальше".
  CalendarDate date;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;
};

}  // namespace lunda
