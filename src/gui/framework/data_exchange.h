// DataExchange and the DDX_/DDV_ helpers that move dialog fields to and from controls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "algorithm/calendar_date.h"

namespace lunda {

class CDialog;
class CListBox;

// One run of CDialog::DoDataExchange: its direction and, once a field failed, that field. After a
// failure every helper does nothing, so the fields after the failing one are not read; code of
// the dialog's own between the helpers should check Failed().
class DataExchange {
 public:
  DataExchange(CDialog& dialog, bool saveAndValidate)
      : dialog_(dialog), saveAndValidate_(saveAndValidate) {}

  // True when reading the controls into the fields, false when showing the fields.
  [[nodiscard]] bool SaveAndValidate() const { return saveAndValidate_; }
  [[nodiscard]] CDialog& Dialog() const { return dialog_; }
  [[nodiscard]] bool Failed() const { return failedControl_ != 0; }
  [[nodiscard]] int FailedControl() const { return failedControl_; }

  // Whether the exchange goes on with control id, remembered for the DDV_ checks that follow:
  // false after a failure, and (with a warning on stderr, as it is a program error) when the
  // dialog has no such control.
  bool PrepareControl(int id);
  [[nodiscard]] int LastControl() const { return lastControl_; }

  // Shows the prompt in a warning box, returns the focus to the control with its text selected,
  // and marks the exchange as failed.
  void Fail(int id, std::string_view prompt);

 private:
  CDialog& dialog_;
  bool saveAndValidate_;
  int lastControl_ = 0;
  int failedControl_ = 0;
};

// Text fields. Reading fails with the classic prompts: double "Please enter a number." (only the
// first 31 characters are read), uint8 "Please enter an integer between 0 and 255.", uint32
// "Please enter a positive integer.", int "Please enter an integer."; a failed read leaves the
// field unchanged. Doubles are shown with "%.15g" and integers in decimal. Texts are UTF-8.
void DDX_Text(DataExchange& dx, int id, double& value);
void DDX_Text(DataExchange& dx, int id, std::uint8_t& value);
void DDX_Text(DataExchange& dx, int id, std::uint32_t& value);
void DDX_Text(DataExchange& dx, int id, int& value);
void DDX_Text(DataExchange& dx, int id, std::string& value);

// A radio group starting at firstId: the index of the checked button, -1 when none is checked.
// Showing -1 (or any index outside the group) unchecks them all.
void DDX_Radio(DataExchange& dx, int firstId, int& index);

// A combo box's selected index, -1 for no selection.
void DDX_CBIndex(DataExchange& dx, int id, int& index);

// A date picker's date; a picker without a valid date leaves the field as it was.
void DDX_DateTime(DataExchange& dx, int id, CalendarDate& value);

// Attaches the list box object to the control with that id.
void DDX_Control(DataExchange& dx, int id, CListBox& control);

// After reading a field: fails with "Please enter an integer between %1 and %2." on the last
// prepared control when value lies outside min..max.
void DDV_MinMaxUInt(DataExchange& dx, std::uint32_t value, std::uint32_t min, std::uint32_t max);

}  // namespace lunda
