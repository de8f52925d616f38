// The GUI driver on Win32: mouse and key messages to the system's controls, and the messages
// they post delivered as the running dialog's message loop would.

#include <chrono>
#include <utility>

#include "gui/framework/win32/win32_dialog_window.h"
#include "gui/framework/win32/windows_api.h"
#include "gui_driver.h"
#include "platform/win32/wide_text.h"

namespace lunda::test {
namespace {

constexpr UINT kKeyF1 = 0x004D;  // WM_KEYF1, which the SDK headers leave out

Win32DialogWindow& WindowOf(const CDialog& dialog) {
  return Win32DialogWindow::Of(dialog.Window());
}

HWND ItemOf(const CDialog& dialog, int id) { return WindowOf(dialog).Item(id); }

// Delivers the messages that are waiting, as the running dialog's message loop would.
void ProcessEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    HWND active = GetActiveWindow();
    if (active && IsDialogMessageW(active, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Ctrl and Shift down or up for what asks the key state, as a user's hand would hold them.
void HoldKeys(bool control, bool shift = false) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_LCONTROL] = control ? 0x80 : 0;
  keys[VK_SHIFT] = keys[VK_LSHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
}

// A click reaches only an enabled control of an enabled window.
void ClickAt(HWND window, POINT at, bool twice = false, bool withControl = false) {
  if (!window || !IsWindowEnabled(window) || !IsWindowEnabled(GetAncestor(window, GA_ROOT))) {
    return;
  }
  HoldKeys(withControl);
  const WPARAM keys = withControl ? MK_CONTROL : 0;
  const LPARAM point = MAKELPARAM(at.x, at.y);
  SendMessageW(window, WM_MOUSEMOVE, keys, point);
  SendMessageW(window, WM_LBUTTONDOWN, keys | MK_LBUTTON, point);
  SendMessageW(window, WM_LBUTTONUP, keys, point);
  if (twice) {
    SendMessageW(window, WM_LBUTTONDBLCLK, keys | MK_LBUTTON, point);
    SendMessageW(window, WM_LBUTTONUP, keys, point);
  }
  ProcessEvents();
  HoldKeys(false);
}

POINT Center(const RECT& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

RECT ClientRect(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return rect;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    ProcessEvents();
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
  }
}

bool ShowActive(CDialog& dialog) {
  HWND window = WindowOf(dialog).Handle();
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  SetActiveWindow(window);
  return WaitUntil([&dialog] { return IsActive(dialog); });
}

bool IsActive(const CDialog& dialog) {
  HWND window = WindowOf(dialog).Handle();
  return window != nullptr && IsWindowVisible(window) && GetActiveWindow() == window;
}

void Click(CDialog& dialog, int id) {
  HWND item = ItemOf(dialog, id);
  ClickAt(item, Center(ClientRect(item)));
}

void ClickRow(CDialog& dialog, int listId, int row, Clicks clicks) {
  HWND list = ItemOf(dialog, listId);
  RECT rect{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
  ClickAt(list, Center(rect), clicks == Clicks::kTwice, clicks == Clicks::kWithControl);
}

void ClickArrow(CDialog& dialog, int upDownId, int direction) {
  HWND arrows = ItemOf(dialog, upDownId);
  const RECT rect = ClientRect(arrows);
  const LONG quarter = (rect.bottom - rect.top) / 4;
  ClickAt(arrows, {(rect.left + rect.right) / 2, direction > 0 ? quarter : rect.bottom - quarter});
}

void ClickTab(CDialog& sheet, int index) {
  HWND tabs = ItemOf(sheet, kIdSheetTabs);
  RECT rect{};
  TabCtrl_GetItemRect(tabs, index, &rect);
  ClickAt(tabs, Center(rect));
}

void Type(CDialog& dialog, int id, std::string_view text) {
  HWND edit = ItemOf(dialog, id);
  Click(dialog, id);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, WM_CHAR, VK_BACK, 0);
  for (const wchar_t c : Utf8ToWide(text)) SendMessageW(edit, WM_CHAR, c, 1);
  ProcessEvents();
}

void Press(Key key) {
  constexpr int kCtrl = 1;
  constexpr int kShift = 2;
  static constexpr std::pair<WPARAM, int> kKeys[] = {{VK_TAB, 0},      {VK_RETURN, 0},
                                                     {VK_ESCAPE, 0},   {VK_UP, 0},
                                                     {VK_DOWN, 0},     {VK_END, 0},
                                                     {VK_F1, 0},       {VK_SPACE, kCtrl},
                                                     {VK_TAB, kCtrl},  {VK_TAB, kCtrl | kShift},
                                                     {VK_NEXT, kCtrl}, {VK_PRIOR, kCtrl}};
  const auto [vk, held] = kKeys[static_cast<int>(key)];
  HoldKeys(held & kCtrl, held & kShift);
  HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC))
                      << 16;
  PostMessageW(target, WM_KEYDOWN, vk, scan | 1);
  // The system's input queue asks for help on F1 with WM_KEYF1, which DefWindowProc turns into
  // WM_HELP; a posted key goes round that queue.
  if (vk == VK_F1) PostMessageW(target, kKeyF1, 0, 0);
  PostMessageW(target, WM_KEYUP, vk, scan | 1 | (3ll << 30));
  ProcessEvents();
  HoldKeys(false);
}

void CloseBox(CDialog& dialog) {
  SendMessageW(WindowOf(dialog).Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ProcessEvents();
}

void ChooseWindowMenuItem(CDialog& dialog, int command) {
  HWND window = WindowOf(dialog).Handle();
  const UINT item = static_cast<UINT>(command);
  if (GetMenuState(GetSystemMenu(window, FALSE), item, MF_BYCOMMAND) == static_cast<UINT>(-1))
    return;
  SendMessageW(window, WM_SYSCOMMAND, item, 0);
  ProcessEvents();
}

bool IsDroppedDown(CDialog& dialog, int id) {
  return SendMessageW(ItemOf(dialog, id), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

std::string SelectedText(CDialog& dialog, int id) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(ItemOf(dialog, id), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  const std::wstring text = Utf8ToWide(dialog.GetDlgItemText(id));
  return WideToUtf8(std::wstring_view(text).substr(start, end - start));
}

std::string ToolTip(CDialog& dialog, int id) {
  wchar_t text[1024] = {};
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = WindowOf(dialog).Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(ItemOf(dialog, id));
  tool.lpszText = text;
  SendMessageW(WindowOf(dialog).ToolTipWindow(), TTM_GETTEXTW, 1024,
               reinterpret_cast<LPARAM>(&tool));
  return WideToUtf8(text);
}

bool CanScrollVertically(CDialog& dialog, int id) {
  HWND item = ItemOf(dialog, id);
  if ((GetWindowLongW(item, GWL_STYLE) & WS_HSCROLL) != 0) return false;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  GetScrollInfo(item, SB_VERT, &info);
  return info.nPage > 0 && info.nMax >= static_cast<int>(info.nPage);
}

}  // namespace lunda::test
