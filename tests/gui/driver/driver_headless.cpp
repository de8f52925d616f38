// The GUI driver on the headless backend: the user its input functions play.
#include <algorithm>

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
std::shared_ptr<void> Poll(std::function<void()> tick) {
  return HeadlessWindow::AddPoller(std::move(tick));
}

void Click(CDialog& dialog, int id) { headless::Click(dialog.Window(), id); }
void ClickRow(CDialog& dialog, int listId, int row, bool withControl) {
  headless::ClickRow(dialog.Window(), listId, row, withControl, false);
}
void DoubleClickRow(CDialog& dialog, int listId, int row) {
  headless::ClickRow(dialog.Window(), listId, row, false, true);
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

bool ShowsTextStart(CDialog& dialog, int id) { return ControlOf(dialog, id)->showsStart; }
bool IsDroppedDown(CDialog& dialog, int id) {
  const HeadlessControl* combo = ControlOf(dialog, id);
  return combo && combo->droppedDown;
}
std::string SelectedText(CDialog& dialog, int id) {
  const HeadlessControl* edit = ControlOf(dialog, id);
  return edit && edit->selectedAll ? edit->Text() : std::string();
}
std::string ToolTip(CDialog& dialog, int id) { return ControlOf(dialog, id)->toolTip; }
// A multi-line edit with a vertical scroll bar, holding more lines than its height shows at the
// dialog font's 8 units a line, and never wider than itself.
// A bar where the template asks for one and the lines (a list's rows) do not fit, a line being 8
// dialog units high.
bool CanScrollVertically(CDialog& dialog, int id) {
  const HeadlessControl* control = ControlOf(dialog, id);
  const ControlStyles& styles = control->Template().styles;
  const std::string text = control->Text();
  const auto lines = styles.multiLine ? std::count(text.begin(), text.end(), '\n') + 1
                                      : control->Count();
  return styles.vScroll && !styles.autoHScroll && lines > control->Template().rect.height / 8;
}

}  // namespace lunda::test
