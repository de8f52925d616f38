// Date pickers: a calendar date in the system's short format, limited to a range.
#pragma once

#include <optional>

#include "algorithm/calendar_date.h"
#include "gui/framework/dialog.h"

namespace lunda {

class CDateTimeCtrl {
 public:
  CDateTimeCtrl(CDialog& dialog, int id) : dialog_(dialog), id_(id) {}

  // Dates outside the range cannot be picked or typed.
  void SetRange(const CalendarDate& first, const CalendarDate& last) {
    dialog_.Dates(id_).SetRange(first, last);
  }
  // Nothing when the picker shows no valid date.
  [[nodiscard]] std::optional<CalendarDate> GetDate() const { return dialog_.Dates(id_).Date(); }
  void SetDate(const CalendarDate& date) { dialog_.Dates(id_).SetDate(date); }

 private:
  CDialog& dialog_;
  int id_;
};

}  // namespace lunda
