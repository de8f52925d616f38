// The seam, controls: what a backend makes of each control of a template. The window builds one
// adapter per control, chosen once from the template's kind; the framework reaches a control only
// through these, and through the kind's own interface where the control has one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "algorithm/calendar_date.h"

namespace lunda {

// List box rows, combo box items, tab control tabs. Indexes count from 0; the selection is -1
// when there is none. Nothing done here is reported to the dialog.
class ItemControl {
 public:
  [[nodiscard]] virtual int Count() const = 0;
  [[nodiscard]] virtual std::string ItemText(int index) const = 0;
  // At index, or at the end for -1, whatever the sort style says.
  virtual void Insert(int index, std::string_view text) = 0;
  virtual void Delete(int index) = 0;
  [[nodiscard]] virtual int Selection() const = 0;
  virtual void Select(int index) = 0;

 protected:
  ~ItemControl() = default;
};

// Up-down controls and progress bars.
class RangeControl {
 public:
  // With lower <= upper an up-down's up arrow steps by +1, otherwise by -1.
  virtual void SetRange(int lower, int upper) = 0;
  [[nodiscard]] virtual int Position() const = 0;
  virtual void SetPosition(int position) = 0;

 protected:
  ~RangeControl() = default;
};

// Date pickers: a calendar date in the short format, kept to a range.
class DateControl {
 public:
  // Nothing when the picker shows no valid date.
  [[nodiscard]] virtual std::optional<CalendarDate> Date() const = 0;
  virtual void SetDate(const CalendarDate& date) = 0;
  // Dates outside the range can be neither picked nor typed.
  virtual void SetRange(const CalendarDate& first, const CalendarDate& last) = 0;

 protected:
  ~DateControl() = default;
};

// Any control. Texts are UTF-8; multi-line edits join their lines with CR LF both ways.
class Control {
 public:
  virtual ~Control() = default;

  // What it shows: an edit's content, a caption, a combo box's selected item.
  [[nodiscard]] virtual std::string Text() const = 0;
  // Changes it without reporting anything; an edit shows the start of its new text.
  virtual void SetText(std::string_view text) = 0;
  [[nodiscard]] virtual bool IsEnabled() const = 0;
  virtual void Enable(bool enable) = 0;
  virtual void Focus() = 0;
  // A tip shown while the pointer rests on it, at most kToolTipMaxWidth pixels wide, for
  // kToolTipDisplayMs.
  virtual void SetToolTip(std::string_view text) = 0;

  // Radio buttons and check boxes; other controls are never checked.
  [[nodiscard]] virtual bool IsChecked() const { return false; }
  virtual void SetChecked(bool) {}
  // Edits select their whole text; other controls have none to select.
  virtual void SelectAll() {}
  // Up-downs with the arrow-keys style: Up and Down pressed in the buddy step them.
  virtual void SetBuddy(Control&) {}

  // The kind's own operations, or null when the control is of another kind.
  [[nodiscard]] virtual ItemControl* Items() { return nullptr; }
  [[nodiscard]] virtual RangeControl* Range() { return nullptr; }
  [[nodiscard]] virtual DateControl* Dates() { return nullptr; }
};

}  // namespace lunda
