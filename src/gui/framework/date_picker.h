// Date pickers: a calendar date in the system's short format, limited to a range.
#pragma once

#include <optional>

#include "algorithm/calendar_date.h"
#include "gui/framework/dialog.h"

namespace lunda {

class CDateTimeCtrl {
 public:
  CDateTimeCtrl(CDialog& dialog, int id) : window_(dialog.Window()), id_(id) {}

  // Dates outside the range cannot be picked or typed.
  void SetRange(const CalendarDate& first, const CalendarDate& last) {
    window_.SetDateRange(id_, first, last);
  }
  // Nothing when the picker shows no valid date.
  [[nodiscard]] std::optional<CalendarDate> GetDate() const { return window_.Date(id_); }
  void SetDate(const CalendarDate& date) { window_.SetDate(id_, date); }

 private:
  DialogWindow& window_;
  int id_;
};

}  // namespace lunda
