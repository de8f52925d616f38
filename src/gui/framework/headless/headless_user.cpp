// What a user's clicks, typing and keys do to the headless windows.
#include "gui/framework/headless/headless_user.h"

#include <algorithm>
#include <chrono>
#include <iterator>
#include <optional>

namespace lunda::headless {
namespace {

// The control a click on it reaches, or null.
HeadlessControl* Reachable(DialogWindow& window, int id) {
  HeadlessWindow& w = HeadlessWindow::Of(window);
  HeadlessControl* control = w.ControlOf(id);
  const bool shown = w.IsVisible() && w.TopLevel().IsVisible();
  return control && control->IsEnabled() && shown && w.TakesInput() ? control : nullptr;
}

void Report(HeadlessControl& control, UserAction::Kind kind) {
  control.Window().Host().Act({kind, control.Template().id});
}

// An automatic radio button checks itself and unchecks the others of its group.
void CheckRadio(HeadlessControl& radio) {
  HeadlessWindow& window = radio.Window();
  int first = -1;
  for (const ControlTemplate& c : window.Template().controls) {
    if (c.kind != ControlKind::kRadioButton) {
      first = -1;
      continue;
    }
    if (c.styles.group || first == -1) first = c.id;
    if (c.id == radio.Template().id) break;
  }
  for (const int id : window.Template().RadioGroup(first)) {
    window.ControlOf(id)->SetChecked(id == radio.Template().id);
  }
}

// A list's row moved by the keyboard or a click, reported when it changed.
void SelectRow(HeadlessControl& list, int row) {
  const int next = std::clamp(row, 0, list.Count() - 1);
  if (next == list.Selection()) return;
  list.Select(next);
  if (list.Template().kind == ControlKind::kListBox) Report(list, UserAction::Kind::kSelChange);
}

// Up or Down in a control: a list's row, or the up-down whose buddy it is.
void Arrow(HeadlessControl& focus, int direction) {
  if (focus.Items()) {
    SelectRow(focus, focus.Selection() - direction);
    return;
  }
  for (const ControlTemplate& c : focus.Window().Template().controls) {
    HeadlessControl* upDown = c.styles.arrowKeys ? focus.Window().ControlOf(c.id) : nullptr;
    if (upDown && upDown->Buddy() == &focus) upDown->Step(direction);
  }
}

// The keys a toolkit reports to the dialog, by Key; nothing for the controls' own.
constexpr std::optional<DialogKey> kDialogKeys[] = {std::nullopt,         DialogKey::kEnter,
                                                    DialogKey::kEscape,   std::nullopt,
                                                    std::nullopt,         std::nullopt,
                                                    DialogKey::kF1,       std::nullopt,
                                                    DialogKey::kNextPage, DialogKey::kPreviousPage,
                                                    DialogKey::kNextPage, DialogKey::kPreviousPage};
static_assert(std::size(kDialogKeys) == static_cast<std::size_t>(Key::kControlPageUp) + 1);

}  // namespace

void Click(DialogWindow& window, int id) {
  HeadlessControl* control = Reachable(window, id);
  if (control == nullptr) return;
  control->droppedDown = false;
  if (control->TakesFocus()) {
    HeadlessWindow::MoveFocus(*control);
    control->selectedAll = false;  // the click puts the caret where it lands
  }
  // The click itself comes after the focus entry, whatever its handler did.
  switch (control->Template().kind) {
    case ControlKind::kRadioButton:
      CheckRadio(*control);
      Report(*control, UserAction::Kind::kCommand);
      break;
    case ControlKind::kCheckBox:
      control->SetChecked(!control->IsChecked());
      Report(*control, UserAction::Kind::kCommand);
      break;
    case ControlKind::kPushButton:
    case ControlKind::kDefPushButton:
      Report(*control, UserAction::Kind::kCommand);
      break;
    case ControlKind::kComboBox:
      control->droppedDown = control->Window().Host().MayDropDown(id);
      break;
    default:
      break;
  }
}

void ClickRow(DialogWindow& window, int listId, int row, bool twice) {
  HeadlessControl* list = Reachable(window, listId);
  if (list == nullptr) return;
  Click(window, listId);
  SelectRow(*list, row);
  if (twice) Report(*list, UserAction::Kind::kDoubleClick);
}

void ClickArrow(DialogWindow& window, int upDownId, int direction) {
  if (HeadlessControl* upDown = Reachable(window, upDownId)) upDown->Step(direction);
}

void ClickTab(DialogWindow& window, int tabsId, int index) {
  HeadlessControl* tabs = Reachable(window, tabsId);
  if (tabs == nullptr || index == tabs->Selection()) return;
  tabs->Select(index);
  Report(*tabs, UserAction::Kind::kSelChange);
}

void Type(DialogWindow& window, int id, std::string_view text) {
  Click(window, id);
  HeadlessControl* edit = Reachable(window, id);
  if (edit == nullptr || edit->Template().kind != ControlKind::kEdit ||
      edit->Template().styles.readOnly) {
    return;
  }
  edit->SetText(text);
}

void Press(Key key) {
  HeadlessWindow* active = HeadlessWindow::Active();
  if (active == nullptr || !active->TakesInput()) return;
  HeadlessControl* focus = HeadlessWindow::Focused();
  if (focus && &focus->Window().TopLevel() != active) focus = nullptr;
  if (const std::optional<DialogKey> dialogKey = kDialogKeys[static_cast<int>(key)]) {
    (focus ? focus->Window().Host() : active->Host()).PressKey(*dialogKey);
    return;
  }
  switch (key) {
    case Key::kTab: {
      const std::vector<HeadlessControl*> stops = active->TabStops();
      if (stops.empty()) return;
      const auto at = std::find(stops.begin(), stops.end(), focus);
      HeadlessWindow::MoveFocus(at == stops.end() || at + 1 == stops.end() ? *stops.front()
                                                                           : **(at + 1));
      return;
    }
    case Key::kUp:
    case Key::kDown:
      if (focus) Arrow(*focus, key == Key::kUp ? +1 : -1);
      return;
    case Key::kEnd:
      if (focus && focus->Items()) SelectRow(*focus, focus->Count() - 1);
      return;
    default:  // Ctrl+Space: a single-selection list keeps its row
      return;
  }
}

void CloseBox(DialogWindow& window) {
  HeadlessWindow& w = HeadlessWindow::Of(window);
  if (w.IsVisible() && w.TakesInput()) w.Host().Act({UserAction::Kind::kClose, 0});
}

void ChooseWindowMenuItem(DialogWindow& window, int command) {
  HeadlessWindow& w = HeadlessWindow::Of(window);
  const std::vector<int>& menu = w.WindowMenu();
  if (w.TakesInput() && std::find(menu.begin(), menu.end(), command) != menu.end()) {
    w.Host().Act({UserAction::Kind::kWindowMenu, command});
  }
}

bool ShowActive(DialogWindow& window) {
  window.Show(true);
  HeadlessWindow::Activate(&HeadlessWindow::Of(window));
  return true;
}

bool IsActive(DialogWindow& window) {
  return window.IsVisible() && HeadlessWindow::Active() == &HeadlessWindow::Of(window);
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    HeadlessWindow::Pump();
  }
  return true;
}

}  // namespace lunda::headless
