// The range of dates an image can carry.
#include "algorithm/calendar_date.h"

#include <tuple>

namespace lunda {
namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

auto Key(const CalendarDate& date) { return std::tie(date.year, date.month, date.day); }

}  // namespace

bool IsWritableDate(const CalendarDate& date) {
  if (date.month < 1 || date.month > 12) return false;
  if (date.day < 1 || date.day > DaysInMonth(date.year, date.month)) return false;
  return Key(date) >= Key(kFirstWritableDate) && Key(date) <= Key(kLastWritableDate);
}

}  // namespace lunda
