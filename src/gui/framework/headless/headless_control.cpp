// The headless controls: text, items, range and date kept in memory, as the kinds keep them.
#include <algorithm>
#include <tuple>

#include "gui/framework/headless/headless_window.h"

namespace lunda {
namespace {

bool Between(const CalendarDate& date, const CalendarDate& first, const CalendarDate& last) {
  const auto key = [](const CalendarDate& d) { return std::tuple(d.year, d.month, d.day); };
  return key(first) <= key(date) && key(date) <= key(last);
}

}  // namespace

HeadlessControl::HeadlessControl(HeadlessWindow& window, const ControlTemplate& control)
    : window_(window),
      template_(control),
      text_(control.text),
      enabled_(!control.styles.disabled),
      items_(control.items) {
  if (control.kind == ControlKind::kProgressBar) position_.SetRange(0, 100);
}

bool HeadlessControl::TakesFocus() const {
  switch (template_.kind) {
    case ControlKind::kStatic:
    case ControlKind::kGroupBox:
    case ControlKind::kIcon:
    case ControlKind::kUpDown:
    case ControlKind::kProgressBar:
      return false;
    default:
      return template_.id != -1 && enabled_;
  }
}

std::string HeadlessControl::Text() const {
  if (template_.kind == ControlKind::kComboBox) return ItemText(selection_);
  const bool rows =
      template_.kind == ControlKind::kListBox || template_.kind == ControlKind::kTabControl;
  return rows ? std::string() : text_;
}

void HeadlessControl::SetText(std::string_view text) {
  if (template_.kind == ControlKind::kComboBox) {
    const auto found = std::find(items_.begin(), items_.end(), text);
    selection_ = found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
    return;
  }
  text_ = text;
  selectedAll = false;
}

void HeadlessControl::Focus() { HeadlessWindow::MoveFocus(*this); }

ItemControl* HeadlessControl::Items() {
  const ControlKind kind = template_.kind;
  const bool items = kind == ControlKind::kListBox || kind == ControlKind::kComboBox ||
                     kind == ControlKind::kTabControl;
  return items ? this : nullptr;
}

RangeControl* HeadlessControl::Range() {
  const ControlKind kind = template_.kind;
  return kind == ControlKind::kUpDown || kind == ControlKind::kProgressBar ? this : nullptr;
}

DateControl* HeadlessControl::Dates() {
  return template_.kind == ControlKind::kDateTimePicker ? this : nullptr;
}

std::string HeadlessControl::ItemText(int index) const {
  return index >= 0 && index < Count() ? items_[static_cast<std::size_t>(index)] : std::string();
}

void HeadlessControl::Insert(int index, std::string_view text) {
  const int at = index < 0 || index > Count() ? Count() : index;
  items_.insert(items_.begin() + at, std::string(text));
  if (selection_ >= at) ++selection_;
}

void HeadlessControl::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  if (selection_ == index) selection_ = -1;
  if (selection_ > index) --selection_;
}

void HeadlessControl::Select(int index) { selection_ = index >= 0 && index < Count() ? index : -1; }

void HeadlessControl::SetRange(int lower, int upper) { position_.SetRange(lower, upper); }

void HeadlessControl::SetPosition(int position) { position_.Set(position); }

void HeadlessControl::Step(int direction) {
  if (!enabled_) return;
  position_.Step(direction,
                 [this](int delta) { return window_.Host().MayStep(template_.id, delta); });
}

void HeadlessControl::SetDate(const CalendarDate& date) {
  if (Between(date, first_, last_)) date_ = date;
}

void HeadlessControl::SetRange(const CalendarDate& first, const CalendarDate& last) {
  first_ = first;
  last_ = last;
}

}  // namespace lunda
