// The GUI driver on the headless backend: the user its input functions play.
#include "gui/framework/headless/headless_user.h"
#include "gui_driver.h"

namespace lunda::test {
namespace {

HeadlessControl* ControlOf(CDialog& dialog, int id) {
  return HeadlessWindow::Of(dialog.Window()).ControlOf(id);
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  return headless::WaitUntil(condition, timeoutMs);
}
bool ShowActive(CDialog& dialog) { return headless::ShowActive(dialog.Window()); }
bool IsActive(const CDialog& dialog) { return headless::IsActive(dialog.Window()); }

void Click(CDialog& dialog, int id) { headless::Click(dialog.Window(), id); }
// Ctrl held changes nothing on a single-selection list.
void ClickRow(CDialog& dialog, int listId, int row, Clicks clicks) {
  headless::ClickRow(dialog.Window(), listId, row, clicks == Clicks::kTwice);
}
void ClickArrow(CDialog& dialog, int upDownId, int direction) {
  headless::ClickArrow(dialog.Window(), upDownId, direction);
}
void ClickTab(CDialog& sheet, int index) {
  headless::ClickTab(sheet.Window(), kIdSheetTabs, index);
}
void Type(CDialog& dialog, int id, std::string_view text) {
  headless::Type(dialog.Window(), id, text);
}
void Press(Key key) { headless::Press(static_cast<headless::Key>(key)); }
void CloseBox(CDialog& dialog) { headless::CloseBox(dialog.Window()); }
void ChooseWindowMenuItem(CDialog& dialog, int command) {
  headless::ChooseWindowMenuItem(dialog.Window(), command);
}

bool IsDroppedDown(CDialog& dialog, int id) {
  const HeadlessControl* combo = ControlOf(dialog, id);
  return combo && combo->droppedDown;
}
std::string SelectedText(CDialog& dialog, int id) {
  const HeadlessControl* edit = ControlOf(dialog, id);
  return edit && edit->selectedAll ? edit->Text() : std::string();
}
std::string ToolTip(CDialog& dialog, int id) { return ControlOf(dialog, id)->toolTip; }
// Nothing is laid out: the template asks for a vertical scroll bar and none sideways.
bool CanScrollVertically(CDialog& dialog, int id) {
  const ControlStyles& styles = ControlOf(dialog, id)->Template().styles;
  return styles.vScroll && !styles.autoHScroll;
}

}  // namespace lunda::test
