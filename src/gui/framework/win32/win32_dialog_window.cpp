// The dialog procedure: the system's notifications turned into what the user did, and the
// window's making, modal run and end.
#include "gui/framework/win32/win32_dialog_window.h"

#include "gui/framework/tool_tips.h"
#include "gui/framework/win32/win32_template.h"
#include "platform/win32/wide_text.h"

namespace lunda {
namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

// The property that marks a window as one of the program's dialogs, and holds its object.
constexpr wchar_t kWindowProperty[] = L"lunda.window";

COLORREF ColorOf(const std::variant<SystemColor, Rgb>& color) {
  if (const Rgb* rgb = std::get_if<Rgb>(&color)) return RGB(rgb->red, rgb->green, rgb->blue);
  switch (std::get<SystemColor>(color)) {
    case SystemColor::kWindow:
      return GetSysColor(COLOR_WINDOW);
    case SystemColor::kWindowText:
      return GetSysColor(COLOR_WINDOWTEXT);
    case SystemColor::kHighlight:
      return GetSysColor(COLOR_HIGHLIGHT);
    case SystemColor::kHighlightText:
      return GetSysColor(COLOR_HIGHLIGHTTEXT);
  }
  return 0;
}

void PaintRow(const DRAWITEMSTRUCT& item, const RowPainting& row) {
  HDC dc = item.hDC;
  const COLORREF savedText = SetTextColor(dc, ColorOf(row.textColor));
  const COLORREF savedBack = SetBkColor(dc, ColorOf(row.fill));
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &item.rcItem, nullptr, 0, nullptr);
  RECT rect = item.rcItem;
  const std::wstring text = Utf8ToWide(row.text);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
            DT_LEFT | DT_SINGLELINE | DT_VCENTER);
  SetTextColor(dc, savedText);
  SetBkColor(dc, savedBack);
}

HWND OwnerHandle(DialogWindow* owner) {
  return owner ? Win32DialogWindow::Of(*owner).Handle() : nullptr;
}

// A page shows the tab control's body behind its controls, as the system's own property sheet
// has its pages do. The theme library, loaded at run time, is missing where there are no themes,
// and so is the body's texture.
void ShowTabBodyBehind(HWND page) {
  using EnableThemeDialogTexture = HRESULT(WINAPI*)(HWND, DWORD);
  static const EnableThemeDialogTexture enable = [] {
    HMODULE library = LoadLibraryW(L"uxtheme.dll");
    return library ? reinterpret_cast<EnableThemeDialogTexture>(reinterpret_cast<void*>(
                         GetProcAddress(library, "EnableThemeDialogTexture")))
                   : nullptr;
  }();
  if (enable) enable(page, ETDT_ENABLETAB);
}

}  // namespace

std::unique_ptr<DialogWindow> CreateDialogWindow(WindowHost& host) {
  FilterPageKeys();
  return std::make_unique<Win32DialogWindow>(host);
}

bool Win32DialogWindow::Create(const DialogTemplate& dialogTemplate, DialogWindow* owner) {
  if (hwnd_ != nullptr) return true;
  template_ = dialogTemplate;
  templateWords_ = BuildWin32Template(template_, TemplateUse::kDialog);
  CreateDialogIndirectParamW(Instance(), reinterpret_cast<LPCDLGTEMPLATEW>(templateWords_.data()),
                             OwnerHandle(owner), DialogProc, reinterpret_cast<LPARAM>(this));
  return hwnd_ != nullptr;
}

bool Win32DialogWindow::CreatePage(const DialogTemplate& dialogTemplate, DialogWindow& parent,
                                   const UnitRect& area) {
  template_ = dialogTemplate;
  templateWords_ = BuildWin32Template(template_, TemplateUse::kPage);
  HWND parentHandle = Of(parent).Handle();
  CreateDialogIndirectParamW(Instance(), reinterpret_cast<LPCDLGTEMPLATEW>(templateWords_.data()),
                             parentHandle, DialogProc, reinterpret_cast<LPARAM>(this));
  if (hwnd_ == nullptr) return false;
  RECT rect{area.x, area.y, area.x + area.width, area.y + area.height};
  MapDialogRect(parentHandle, &rect);
  // On top, so that it lies over the tab control and comes first in the dialog's tab order.
  SetWindowPos(hwnd_, HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOACTIVATE);
  ShowTabBodyBehind(hwnd_);
  return true;
}

int Win32DialogWindow::RunModal(const DialogTemplate& dialogTemplate, DialogWindow* owner) {
  template_ = dialogTemplate;
  templateWords_ = BuildWin32Template(template_, TemplateUse::kDialog);
  modal_ = true;
  const INT_PTR result =
      DialogBoxIndirectParamW(Instance(), reinterpret_cast<LPCDLGTEMPLATEW>(templateWords_.data()),
                              OwnerHandle(owner), DialogProc, reinterpret_cast<LPARAM>(this));
  modal_ = false;
  return static_cast<int>(result);
}

void Win32DialogWindow::EndModal(int result) {
  if (hwnd_ != nullptr) EndDialog(hwnd_, result);
}

void Win32DialogWindow::Destroy() {
  // A modal window goes with its run, a page with its parent; both leave the handle null.
  if (hwnd_ != nullptr && !modal_) DestroyWindow(hwnd_);
}

void Win32DialogWindow::Show(bool show) {
  if (hwnd_) ShowWindow(hwnd_, show ? SW_SHOW : SW_HIDE);
}

bool Win32DialogWindow::IsVisible() const { return hwnd_ != nullptr && IsWindowVisible(hwnd_); }

std::string Win32DialogWindow::Caption() const {
  if (hwnd_ == nullptr) return {};
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  return WideToUtf8(text);
}

INT_PTR CALLBACK Win32DialogWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    reinterpret_cast<Win32DialogWindow*>(lParam)->InitDialog(hwnd);
    return FALSE;  // the dialog has given the focus where it wants it
  }
  auto* window = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  return window ? window->HandleMessage(message, wParam, lParam) : FALSE;
}

void Win32DialogWindow::InitDialog(HWND hwnd) {
  hwnd_ = hwnd;
  SetPropW(hwnd, kWindowProperty, this);
  controls_.clear();
  for (const ControlTemplate& c : template_.controls) {
    HWND item = Item(c.id);
    if (item != nullptr && !controls_.contains(c.id)) {
      controls_.emplace(c.id, MakeWin32Control(*this, item, c));
    }
  }
  host_.InitDialog();
}

INT_PTR Win32DialogWindow::Result(LRESULT value) {
  SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, value);
  return TRUE;
}

INT_PTR Win32DialogWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (Win32Control* control = ControlOf(LOWORD(wParam))) {
        control->Command(HIWORD(wParam), host_);
      } else if (HIWORD(wParam) == BN_CLICKED) {
        // Enter or Esc, which the dialog manager turned into the default command or IDCANCEL,
        // in a window without that button.
        host_.Act({UserAction::Kind::kCommand, LOWORD(wParam)});
      }
      return TRUE;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      Win32Control* control = ControlOf(static_cast<int>(header.idFrom));
      const std::optional<LRESULT> result = control ? control->Notify(header, host_) : std::nullopt;
      return result ? Result(*result) : FALSE;
    }
    case DM_GETDEFID:
      return Result(MAKELRESULT(host_.DefaultCommand(), DC_HASDEFID));
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlType == ODT_LISTBOX && item.itemID != static_cast<UINT>(-1)) {
        const std::optional<RowPainting> row =
            host_.PaintRow(static_cast<int>(item.CtlID), static_cast<int>(item.itemID),
                           (item.itemState & ODS_SELECTED) != 0);
        if (row) PaintRow(item, *row);
      }
      return TRUE;
    }
    case WM_TIMER:
      host_.Act({UserAction::Kind::kTimer, static_cast<int>(wParam)});
      return TRUE;
    case WM_CLOSE:
      host_.Act({UserAction::Kind::kClose, 0});
      return TRUE;
    case WM_HELP:
      host_.PressKey(DialogKey::kF1);
      return TRUE;
    case WM_SYSCOMMAND: {
      // The system keeps the low four bits of a window-menu command for itself.
      const int command = static_cast<int>(wParam & 0xFFF0);
      if (!windowMenuCommands_.contains(command)) return FALSE;
      host_.Act({UserAction::Kind::kWindowMenu, command});
      return TRUE;
    }
    case WM_NCDESTROY:
      RemovePropW(hwnd_, kWindowProperty);
      hwnd_ = nullptr;
      toolTip_ = nullptr;
      controls_.clear();
      windowMenuCommands_.clear();
      return FALSE;
    default:
      return FALSE;
  }
}

bool Win32DialogWindow::PressPageKey(HWND focus, DialogKey key) {
  // Up from the control to its dialog, which may be a page, but never past a top-level window:
  // a message box's keys are not its owner's.
  for (HWND w = focus; w != nullptr; w = GetAncestor(w, GA_PARENT)) {
    if (auto* window = static_cast<Win32DialogWindow*>(GetPropW(w, kWindowProperty))) {
      return window->host_.PressKey(key);
    }
    if ((GetWindowLongW(w, GWL_STYLE) & WS_CHILD) == 0) break;
  }
  return false;
}

Win32Control* Win32DialogWindow::ControlOf(int id) const {
  const auto found = controls_.find(id);
  return hwnd_ != nullptr && found != controls_.end() ? found->second.get() : nullptr;
}

Control* Win32DialogWindow::Find(int id) { return ControlOf(id); }

HWND Win32DialogWindow::Item(int id) const {
  return hwnd_ != nullptr && id != -1 ? GetDlgItem(hwnd_, id) : nullptr;
}

int Win32DialogWindow::FocusId() const {
  HWND focus = GetFocus();
  if (hwnd_ == nullptr || focus == nullptr || !IsChild(hwnd_, focus)) return 0;
  while (GetParent(focus) != hwnd_) focus = GetParent(focus);
  const int id = GetDlgCtrlID(focus);
  return Item(id) == focus && ControlOf(id) != nullptr ? id : 0;
}

void Win32DialogWindow::StartTimer(int id, int periodMs) {
  if (hwnd_) SetTimer(hwnd_, static_cast<UINT_PTR>(id), static_cast<UINT>(periodMs), nullptr);
}

void Win32DialogWindow::StopTimer(int id) {
  if (hwnd_) KillTimer(hwnd_, static_cast<UINT_PTR>(id));
}

HWND Win32DialogWindow::ToolTipWindow() {
  if (toolTip_ == nullptr && hwnd_ != nullptr) {
    toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                               nullptr, Instance(), nullptr);
    SendMessageW(toolTip_, TTM_SETMAXTIPWIDTH, 0, kToolTipMaxWidth);
    SendMessageW(toolTip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, kToolTipDisplayMs);
  }
  return toolTip_;
}

void Win32DialogWindow::AppendWindowMenuItem(int command, std::string_view text) {
  HMENU menu = hwnd_ ? GetSystemMenu(hwnd_, FALSE) : nullptr;
  if (!menu) return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(command), Utf8ToWide(text).c_str());
  windowMenuCommands_.insert(command);
}

void Win32DialogWindow::SetIcon(int resourceId) {
  if (!hwnd_) return;
  const int sizes[][2] = {{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}};
  for (const auto& [which, metric] : sizes) {
    const int pixels = GetSystemMetrics(metric);
    HANDLE icon =
        LoadImageW(Instance(), MAKEINTRESOURCEW(resourceId), IMAGE_ICON, pixels, pixels, LR_SHARED);
    SendMessageW(hwnd_, WM_SETICON, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(icon));
  }
}

}  // namespace lunda
