// What a GUI scenario does and reads, as a user would, on whichever backend the test binary was
// built with: QTest on Qt (driver_qt.cpp), window messages on Win32 (driver_win32.cpp). The
// scenarios reach the dialogs through the framework's own API and act on them only through
// these calls.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "gui/framework/dialog.h"

namespace lunda::test {

// Processes events until condition holds or timeoutMs has passed; the condition's last value.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);
// Shows a created dialog and waits until it is the active window, so focus can be tested.
bool ShowActive(CDialog& dialog);
[[nodiscard]] bool IsActive(const CDialog& dialog);

// clang-format off
enum class Key { kTab, kEnter, kEscape, kUp, kDown, kEnd, kF1, kControlSpace,
                 kControlTab, kControlShiftTab, kControlPageDown, kControlPageUp };
// clang-format on

// A left click in the middle of the control: presses a button, focuses an edit or a list.
void Click(CDialog& dialog, int id);
// A click on the list box row, with Ctrl held, or a double click on it.
enum class Clicks { kOnce, kWithControl, kTwice };
void ClickRow(CDialog& dialog, int listId, int row, Clicks clicks = Clicks::kOnce);
// A click on the up (+1) or down (-1) arrow of an up-down control.
void ClickArrow(CDialog& dialog, int upDownId, int direction);
// A click on a sheet's tab.
void ClickTab(CDialog& sheet, int index);
// Clicks into the edit (a focus entry), selects its text and replaces it by typing (UTF-8).
void Type(CDialog& dialog, int id, std::string_view text);
// A key pressed and released on the control that has the focus.
void Press(Key key);
// The window's close box.
void CloseBox(CDialog& dialog);
// Chooses the window menu's entry that sends command; nothing when the menu has none.
void ChooseWindowMenuItem(CDialog& dialog, int command);

// Whether a combo box's list is dropped down.
[[nodiscard]] bool IsDroppedDown(CDialog& dialog, int id);
// The selected part of an edit's text.
[[nodiscard]] std::string SelectedText(CDialog& dialog, int id);
// The tip the control shows when the pointer rests on it, with its wrapping undone.
[[nodiscard]] std::string ToolTip(CDialog& dialog, int id);
// Whether the control scrolls its text up and down but not sideways.
[[nodiscard]] bool CanScrollVertically(CDialog& dialog, int id);

}  // namespace lunda::test
