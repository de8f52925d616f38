// CDateDlg: asks for the date that a write stores in the controller.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>

#include "algorithm/calendar_date.h"
#include "gui/framework/dialog.h"

namespace lunda {

class CDateDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 133;
  static constexpr int kPickerId = 1507;

  explicit CDateDlg(QWidget* parent = nullptr) : CDialog(kTemplateId, parent) {}

  // Set before each showing, read back after "Дальше"; the picker changes only the date, the
  // time of day passes through as it was.
  QDateTime date;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;
};

// The picker's date as the image stores it.
[[nodiscard]] CalendarDate ToCalendarDate(const QDate& date);

}  // namespace lunda
