// The user of the headless backend, played by a test: clicks, typing and keys reach only the
// enabled controls of shown windows that no modal window blocks, and are reported to the dialogs
// as the toolkits report them (a click's focus entry before the click, Tab selecting an edit's
// text, a combo box asking before its list drops down, Enter, Esc, F1 and the page keys to the
// dialog).
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "gui/framework/headless/headless_window.h"

namespace lunda::headless {

// clang-format off
enum class Key { kTab, kEnter, kEscape, kUp, kDown, kEnd, kF1, kControlSpace,
                 kControlTab, kControlShiftTab, kControlPageDown, kControlPageUp };
// clang-format on

void Click(DialogWindow& window, int id);
void ClickRow(DialogWindow& window, int listId, int row, bool twice);
void ClickArrow(DialogWindow& window, int upDownId, int direction);
void ClickTab(DialogWindow& window, int tabsId, int index);
// Clicks into the edit, selects its text and types over it.
void Type(DialogWindow& window, int id, std::string_view text);
// To the focused control of the active window, or to that window.
void Press(Key key);
void CloseBox(DialogWindow& window);
void ChooseWindowMenuItem(DialogWindow& window, int command);

bool ShowActive(DialogWindow& window);
[[nodiscard]] bool IsActive(DialogWindow& window);
// Runs the event loop until condition holds or timeoutMs has passed; the condition's last value.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs);

}  // namespace lunda::headless
