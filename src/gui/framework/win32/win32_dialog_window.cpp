// The dialog procedure: the system's notifications turned into the dialog's events, and the
// controls read and changed through their messages.
#include "gui/framework/win32/win32_dialog_window.h"

#include "gui/framework/dialog.h"
#include "gui/framework/property_page.h"
#include "gui/framework/property_sheet.h"
#include "gui/framework/tool_tips.h"
#include "gui/framework/win32/win32_sheet_window.h"
#include "gui/framework/win32/win32_template.h"
#include "platform/win32/wide_text.h"

namespace lunda {
namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

SYSTEMTIME ToSystemTime(const CalendarDate& date) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(date.year);
  time.wMonth = static_cast<WORD>(date.month);
  time.wDay = static_cast<WORD>(date.day);
  time.wHour = 12;  // noon: no daylight-saving change moves it to another day
  return time;
}

// Fills the row rectangle with the system's highlight or the list's background, then draws the
// text in the row's colour, as the owner-drawn list of the classic main window did.
void PaintRow(const DRAWITEMSTRUCT& item, const OwnerDrawnRow& row) {
  HDC dc = item.hDC;
  const COLORREF savedText = GetTextColor(dc);
  const COLORREF savedBack = GetBkColor(dc);
  COLORREF fill = savedBack;
  if (item.itemState & ODS_SELECTED) {
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    fill = GetSysColor(COLOR_HIGHLIGHT);
  }
  SetBkColor(dc, fill);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &item.rcItem, nullptr, 0, nullptr);
  if (row.textColor) {
    SetTextColor(dc, RGB(row.textColor->red, row.textColor->green, row.textColor->blue));
  }
  RECT rect = item.rcItem;
  const std::wstring text = Utf8ToWide(row.text);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
            DT_LEFT | DT_SINGLELINE | DT_VCENTER);
  SetTextColor(dc, savedText);
  SetBkColor(dc, savedBack);
}

}  // namespace

std::unique_ptr<DialogWindow> CreateDialogWindow(CDialog& dialog) {
  return std::make_unique<Win32DialogWindow>(dialog);
}

Win32DialogWindow::~Win32DialogWindow() {
  if (hwnd_ != nullptr && !modal_) DestroyWindow(hwnd_);
}

Win32DialogWindow& Win32DialogWindow::Of(const CDialog& dialog) {
  return dynamic_cast<Win32DialogWindow&>(dialog.Window());
}

int Win32DialogWindow::RunModal(const DialogTemplate& dialogTemplate, CDialog* owner) {
  template_ = dialogTemplate;
  templateWords_ = BuildWin32Template(template_, TemplateUse::kDialog);
  modal_ = true;
  const INT_PTR result = DialogBoxIndirectParamW(
      Instance(), reinterpret_cast<LPCDLGTEMPLATEW>(templateWords_.data()),
      owner ? Of(*owner).Handle() : nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
  modal_ = false;
  return static_cast<int>(result);
}

bool Win32DialogWindow::CreateModeless(const DialogTemplate& dialogTemplate, CDialog* owner) {
  if (hwnd_ != nullptr) return true;
  template_ = dialogTemplate;
  templateWords_ = BuildWin32Template(template_, TemplateUse::kDialog);
  CreateDialogIndirectParamW(Instance(), reinterpret_cast<LPCDLGTEMPLATEW>(templateWords_.data()),
                             owner ? Of(*owner).Handle() : nullptr, DialogProc,
                             reinterpret_cast<LPARAM>(this));
  return hwnd_ != nullptr;
}

const std::vector<std::uint32_t>& Win32DialogWindow::PrepareAsPage(const DialogTemplate& t) {
  template_ = t;
  templateWords_ = BuildWin32Template(template_, TemplateUse::kPage);
  return templateWords_;
}

void Win32DialogWindow::End(int result) {
  if (hwnd_ == nullptr) return;
  if (modal_) {
    EndDialog(hwnd_, result);
  } else {
    ShowWindow(hwnd_, SW_HIDE);
  }
}

bool Win32DialogWindow::IsVisible() const { return hwnd_ != nullptr && IsWindowVisible(hwnd_); }

std::string Win32DialogWindow::Caption() const {
  return hwnd_ ? WideToUtf8(WindowText(hwnd_)) : std::string();
}

INT_PTR CALLBACK Win32DialogWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    return reinterpret_cast<Win32DialogWindow*>(lParam)->InitDialog(hwnd);
  }
  auto* window = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  return window ? window->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR CALLBACK Win32DialogWindow::PageProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    // The sheet hands over a copy of the page's record, which carries the window.
    const LPARAM window = reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam;
    return DialogProc(hwnd, message, wParam, window);
  }
  return DialogProc(hwnd, message, wParam, lParam);
}

INT_PTR Win32DialogWindow::InitDialog(HWND hwnd) {
  hwnd_ = hwnd;
  for (const ControlTemplate& c : template_.controls) {
    for (const std::string& item : c.items) InsertItem(c.id, -1, item);
  }
  return host_.HandleInitDialog() ? TRUE : FALSE;
}

INT_PTR Win32DialogWindow::Result(LRESULT value) {
  SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, value);
  return TRUE;
}

INT_PTR Win32DialogWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      HandleCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY:
      return HandleNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_TIMER:
      Dispatch(WindowEvent::Kind::kTimer, static_cast<int>(wParam));
      return TRUE;
    case WM_CLOSE:
      Dispatch(WindowEvent::Kind::kClose, 0);
      return TRUE;
    case WM_HELP:
      ShowHelp();
      return TRUE;
    case WM_SYSCOMMAND:
      if (windowMenuCommands_.contains(static_cast<int>(wParam & 0xFFF0))) {
        Dispatch(WindowEvent::Kind::kSysCommand, static_cast<int>(wParam));
        return TRUE;
      }
      return FALSE;
    case WM_NCDESTROY:
      hwnd_ = nullptr;
      toolTip_ = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

// F1 asks for the help of the window it is pressed in: a page's own, or the Help button's.
void Win32DialogWindow::ShowHelp() {
  if (auto* page = dynamic_cast<CPropertyPage*>(&host_)) {
    page->OnHelp();
  } else if (IsEnabled(kIdHelp)) {
    Dispatch(WindowEvent::Kind::kCommand, kIdHelp);
  }
}

ControlKind Win32DialogWindow::KindOf(int id) const {
  const ControlTemplate* control = template_.FindControl(id);
  return control ? control->kind : ControlKind::kPushButton;
}

void Win32DialogWindow::HandleCommand(int id, int code) {
  if (id == 0xFFFF) return;  // an unnamed static
  switch (KindOf(id)) {
    case ControlKind::kEdit:
      if (code == EN_SETFOCUS) Dispatch(WindowEvent::Kind::kFocusIn, id);
      return;
    case ControlKind::kComboBox:
      if (code == CBN_SETFOCUS) Dispatch(WindowEvent::Kind::kFocusIn, id);
      // The click that gave the list the focus drops it down after its handler has run; a
      // handler that refused the entry (the focus went back to a failed field) must not leave
      // it open behind the message.
      if (code == CBN_DROPDOWN && GetFocus() != Item(id)) {
        PostMessageW(Item(id), CB_SHOWDROPDOWN, FALSE, 0);
      }
      return;
    case ControlKind::kListBox:
      if (code == LBN_SETFOCUS) Dispatch(WindowEvent::Kind::kFocusIn, id);
      if (code == LBN_SELCHANGE) Dispatch(WindowEvent::Kind::kSelChange, id);
      if (code == LBN_DBLCLK) Dispatch(WindowEvent::Kind::kDoubleClick, id);
      return;
    default:
      // Buttons, and Enter and Esc from the dialog manager as IDOK and IDCANCEL.
      if (code == BN_CLICKED) Dispatch(WindowEvent::Kind::kCommand, id);
  }
}

INT_PTR Win32DialogWindow::HandleNotify(const NMHDR& header) {
  LRESULT result = 0;
  if (HandlePageNotify(header, result)) return Result(result);
  if (header.code == UDN_DELTAPOS) {
    const auto& step = reinterpret_cast<const NMUPDOWN&>(header);
    const bool allowed = host_.HandleDeltaPos(static_cast<int>(header.idFrom), step.iDelta);
    return Result(allowed ? 0 : 1);
  }
  return FALSE;
}

bool Win32DialogWindow::HandlePageNotify(const NMHDR& header, LRESULT& result) {
  auto* page = dynamic_cast<CPropertyPage*>(&host_);
  if (page == nullptr) return false;
  switch (header.code) {
    case PSN_SETACTIVE:
      page->OnSetActive();
      result = 0;
      return true;
    case PSN_KILLACTIVE:
      result = page->OnKillActive() ? FALSE : TRUE;
      return true;
    case PSN_APPLY:
      result = page->OnApply() ? PSNRET_NOERROR : PSNRET_INVALID;
      return true;
    case PSN_RESET:
      page->OnReset();
      if (CPropertySheet* sheet = page->Sheet()) {
        dynamic_cast<Win32SheetWindow&>(sheet->Window()).NoteCancelled();
      }
      return true;
    case PSN_HELP:
      page->OnHelp();
      return true;
    default:
      return false;
  }
}

void Win32DialogWindow::DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_LISTBOX || item.itemID == static_cast<UINT>(-1)) return;
  const std::optional<OwnerDrawnRow> row =
      host_.HandleDrawItem(static_cast<int>(item.CtlID), static_cast<int>(item.itemID));
  if (row) PaintRow(item, *row);
}

void Win32DialogWindow::Dispatch(WindowEvent::Kind kind, int id) { host_.HandleEvent({kind, id}); }

HWND Win32DialogWindow::Item(int id) const {
  return hwnd_ != nullptr && id != -1 ? GetDlgItem(hwnd_, id) : nullptr;
}

std::string Win32DialogWindow::Text(int id) const {
  HWND item = Item(id);
  return item ? WideToUtf8(WindowText(item)) : std::string();
}

void Win32DialogWindow::SetText(int id, std::string_view text) {
  if (HWND item = Item(id)) SetWindowTextW(item, Utf8ToWide(text).c_str());
}

bool Win32DialogWindow::IsEnabled(int id) const {
  HWND item = Item(id);
  return item && IsWindowEnabled(item);
}

void Win32DialogWindow::Enable(int id, bool enable) {
  if (HWND item = Item(id)) EnableWindow(item, enable ? TRUE : FALSE);
}

bool Win32DialogWindow::IsChecked(int id) const {
  HWND item = Item(id);
  return item && SendMessageW(item, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32DialogWindow::SetChecked(int id, bool checked) {
  if (HWND item = Item(id))
    SendMessageW(item, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int Win32DialogWindow::FocusId() const {
  HWND focus = GetFocus();
  if (hwnd_ == nullptr || focus == nullptr || !IsChild(hwnd_, focus)) return 0;
  while (GetParent(focus) != hwnd_) focus = GetParent(focus);
  const int id = GetDlgCtrlID(focus);
  return Item(id) == focus ? id : 0;
}

void Win32DialogWindow::Focus(int id) {
  if (HWND item = Item(id))
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
}

void Win32DialogWindow::SelectText(int id) {
  if (HWND item = Item(id); item && KindOf(id) == ControlKind::kEdit) {
    SendMessageW(item, EM_SETSEL, 0, -1);
  }
}

int Win32DialogWindow::ItemCount(int id) const {
  HWND item = Item(id);
  if (!item) return 0;
  const UINT message = KindOf(id) == ControlKind::kComboBox ? CB_GETCOUNT : LB_GETCOUNT;
  return static_cast<int>(SendMessageW(item, message, 0, 0));
}

std::string Win32DialogWindow::ItemText(int id, int index) const {
  HWND item = Item(id);
  if (!item) return {};
  const bool combo = KindOf(id) == ControlKind::kComboBox;
  const LRESULT length =
      SendMessageW(item, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(item, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return WideToUtf8(text);
}

void Win32DialogWindow::InsertItem(int id, int index, std::string_view text) {
  HWND item = Item(id);
  if (!item) return;
  const std::wstring wide = Utf8ToWide(text);
  // At an explicit place, so that a sorting list keeps the order it is given.
  const UINT message = KindOf(id) == ControlKind::kComboBox ? CB_INSERTSTRING : LB_INSERTSTRING;
  SendMessageW(item, message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str()));
}

void Win32DialogWindow::DeleteItem(int id, int index) {
  HWND item = Item(id);
  if (!item) return;
  const UINT message = KindOf(id) == ControlKind::kComboBox ? CB_DELETESTRING : LB_DELETESTRING;
  SendMessageW(item, message, static_cast<WPARAM>(index), 0);
}

int Win32DialogWindow::Selection(int id) const {
  HWND item = Item(id);
  if (!item) return -1;
  const UINT message = KindOf(id) == ControlKind::kComboBox ? CB_GETCURSEL : LB_GETCURSEL;
  return static_cast<int>(SendMessageW(item, message, 0, 0));
}

void Win32DialogWindow::Select(int id, int index) {
  HWND item = Item(id);
  if (!item) return;
  const UINT message = KindOf(id) == ControlKind::kComboBox ? CB_SETCURSEL : LB_SETCURSEL;
  SendMessageW(item, message, static_cast<WPARAM>(index), 0);
}

void Win32DialogWindow::SetRange(int id, int lower, int upper) {
  HWND item = Item(id);
  if (!item) return;
  const UINT message = KindOf(id) == ControlKind::kUpDown ? UDM_SETRANGE32 : PBM_SETRANGE32;
  SendMessageW(item, message, static_cast<WPARAM>(lower), static_cast<LPARAM>(upper));
}

int Win32DialogWindow::Position(int id) const {
  HWND item = Item(id);
  if (!item) return 0;
  const UINT message = KindOf(id) == ControlKind::kUpDown ? UDM_GETPOS32 : PBM_GETPOS;
  return static_cast<int>(SendMessageW(item, message, 0, 0));
}

void Win32DialogWindow::SetPosition(int id, int position) {
  HWND item = Item(id);
  if (!item) return;
  if (KindOf(id) == ControlKind::kUpDown) {
    SendMessageW(item, UDM_SETPOS32, 0, position);
  } else {
    SendMessageW(item, PBM_SETPOS, static_cast<WPARAM>(position), 0);
  }
}

void Win32DialogWindow::SetBuddy(int upDownId, int buddyId) {
  HWND upDown = Item(upDownId);
  if (upDown) SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Item(buddyId)), 0);
}

std::optional<CalendarDate> Win32DialogWindow::Date(int id) const {
  HWND item = Item(id);
  SYSTEMTIME time{};
  if (!item ||
      SendMessageW(item, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID) {
    return std::nullopt;
  }
  return CalendarDate{time.wYear, time.wMonth, time.wDay};
}

void Win32DialogWindow::SetDate(int id, const CalendarDate& date) {
  SYSTEMTIME time = ToSystemTime(date);
  if (HWND item = Item(id))
    SendMessageW(item, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

void Win32DialogWindow::SetDateRange(int id, const CalendarDate& first, const CalendarDate& last) {
  SYSTEMTIME range[2] = {ToSystemTime(first), ToSystemTime(last)};
  range[0].wHour = 0;
  range[1].wHour = 23;
  if (HWND item = Item(id)) {
    SendMessageW(item, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
  }
}

void Win32DialogWindow::StartTimer(int id, int periodMs) {
  if (hwnd_) SetTimer(hwnd_, static_cast<UINT_PTR>(id), static_cast<UINT>(periodMs), nullptr);
}

void Win32DialogWindow::StopTimer(int id) {
  if (hwnd_) KillTimer(hwnd_, static_cast<UINT_PTR>(id));
}

void Win32DialogWindow::AddToolTip(int id, std::string_view text) {
  HWND item = Item(id);
  if (!item) return;
  if (toolTip_ == nullptr) {
    toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                               nullptr, Instance(), nullptr);
    SendMessageW(toolTip_, TTM_SETMAXTIPWIDTH, 0, kToolTipMaxWidth);
    SendMessageW(toolTip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, kToolTipDisplayMs);
  }
  std::wstring wide = Utf8ToWide(text);
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  // The tooltip watches the control's mouse messages itself, as the relayed events did.
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(item);
  tool.lpszText = wide.data();
  SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
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

void Win32DialogWindow::Redraw(int id) {
  if (HWND item = Item(id)) InvalidateRect(item, nullptr, TRUE);
}

}  // namespace lunda
