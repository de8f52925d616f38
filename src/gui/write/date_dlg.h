// CDateDlg: asks for the date that a write stores in the controller.
#pragma once

#include "algorithm/calendar_date.h"
#include "gui/framework/dialog.h"

namespace lunda {

class CDateDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 133;
  static constexpr int kPickerId = 1507;

  explicit CDateDlg(CDialog* parent = nullptr) : CDialog(kTemplateId, parent) {}

  // Set before each showing, read back after "Дальше".
  CalendarDate date;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;
};

}  // namespace lunda
