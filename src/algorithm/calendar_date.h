// A calendar date as the controller stores it: day, month, year.
#pragma once

namespace lunda {

struct CalendarDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31

  friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// The dates an image can carry; see IsWritableDate.
inline constexpr CalendarDate kFirstWritableDate{1970, 1, 1};
inline constexpr CalendarDate kLastWritableDate{2069, 12, 31};

// True for a real calendar date inside [kFirstWritableDate, kLastWritableDate]: the image keeps
// only two digits of the year, so one century is all it can tell apart.
[[nodiscard]] bool IsWritableDate(const CalendarDate& date);

}  // namespace lunda
