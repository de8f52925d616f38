// One adapter per control kind over the system's control; the kind is looked at once, in
// MakeWin32Control.
#include "gui/framework/win32/win32_controls.h"

#include "gui/framework/win32/win32_dialog_window.h"
#include "platform/win32/wide_text.h"

namespace lunda {
namespace {

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Report(WindowHost& host, UserAction::Kind kind, int id) { host.Act({kind, id}); }

class Button final : public Win32Control {
 public:
  using Win32Control::Win32Control;
  void Command(int code, WindowHost& host) override {
    if (code == BN_CLICKED) Report(host, UserAction::Kind::kCommand, Id());
  }
  [[nodiscard]] bool IsChecked() const override { return Send(BM_GETCHECK) == BST_CHECKED; }
  void SetChecked(bool checked) override { Send(BM_SETCHECK, checked ? BST_CHECKED : 0); }
};

class Edit final : public Win32Control {
 public:
  using Win32Control::Win32Control;
  void Command(int code, WindowHost& host) override {
    if (code == EN_SETFOCUS) Report(host, UserAction::Kind::kFocusIn, Id());
  }
  void SelectAll() override { Send(EM_SETSEL, 0, -1); }
};

// The messages of a list box or a combo box, which differ only in their names.
struct ListMessages {
  UINT count, textLength, text, insert, remove, getSelection, setSelection;
};
constexpr ListMessages kListBox{LB_GETCOUNT,     LB_GETTEXTLEN, LB_GETTEXT,  LB_INSERTSTRING,
                                LB_DELETESTRING, LB_GETCURSEL,  LB_SETCURSEL};
constexpr ListMessages kComboBox{CB_GETCOUNT,     CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_INSERTSTRING,
                                 CB_DELETESTRING, CB_GETCURSEL,    CB_SETCURSEL};

class ListControl : public Win32Control, public ItemControl {
 public:
  ListControl(Win32DialogWindow& window, HWND item, const ControlTemplate& c, ListMessages m)
      : Win32Control(window, item, c), m_(m) {
    for (const std::string& text : c.items) Insert(-1, text);
  }
  [[nodiscard]] ItemControl* Items() override { return this; }
  [[nodiscard]] int Count() const override { return static_cast<int>(Send(m_.count)); }
  [[nodiscard]] std::string ItemText(int index) const override {
    const LRESULT length = Send(m_.textLength, static_cast<WPARAM>(index));
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    Send(m_.text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return WideToUtf8(text);
  }
  // At an explicit place, so that a sorting list keeps the order it is given.
  void Insert(int index, std::string_view text) override {
    Send(m_.insert, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(Utf8ToWide(text).c_str()));
  }
  void Delete(int index) override { Send(m_.remove, static_cast<WPARAM>(index)); }
  [[nodiscard]] int Selection() const override { return static_cast<int>(Send(m_.getSelection)); }
  void Select(int index) override { Send(m_.setSelection, static_cast<WPARAM>(index)); }

 private:
  ListMessages m_;
};

class ListBox final : public ListControl {
 public:
  ListBox(Win32DialogWindow& window, HWND item, const ControlTemplate& c)
      : ListControl(window, item, c, kListBox) {}
  void Command(int code, WindowHost& host) override {
    if (code == LBN_SETFOCUS) Report(host, UserAction::Kind::kFocusIn, Id());
    if (code == LBN_SELCHANGE) Report(host, UserAction::Kind::kSelChange, Id());
    if (code == LBN_DBLCLK) Report(host, UserAction::Kind::kDoubleClick, Id());
  }
};

class ComboBox final : public ListControl {
 public:
  ComboBox(Win32DialogWindow& window, HWND item, const ControlTemplate& c)
      : ListControl(window, item, c, kComboBox) {}
  void Command(int code, WindowHost& host) override {
    if (code == CBN_SETFOCUS) Report(host, UserAction::Kind::kFocusIn, Id());
    // The list drops down after the handler of the click's focus entry has run; it cannot be
    // stopped here, only closed again.
    if (code == CBN_DROPDOWN && !host.MayDropDown(Id())) {
      PostMessageW(Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    }
  }
  void SetText(std::string_view text) override {
    Select(static_cast<int>(Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(Utf8ToWide(text).c_str()))));
  }
};

class TabControl final : public Win32Control, public ItemControl {
 public:
  using Win32Control::Win32Control;
  std::optional<LRESULT> Notify(const NMHDR& header, WindowHost& host) override {
    if (header.code != TCN_SELCHANGE) return std::nullopt;
    Report(host, UserAction::Kind::kSelChange, Id());
    return 0;
  }
  [[nodiscard]] ItemControl* Items() override { return this; }
  [[nodiscard]] int Count() const override { return static_cast<int>(Send(TCM_GETITEMCOUNT)); }
  [[nodiscard]] std::string ItemText(int index) const override {
    wchar_t text[256] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 256;
    Send(TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return WideToUtf8(text);
  }
  void Insert(int index, std::string_view text) override {
    std::wstring wide = Utf8ToWide(text);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = wide.data();
    Send(TCM_INSERTITEMW, static_cast<WPARAM>(index < 0 ? Count() : index),
         reinterpret_cast<LPARAM>(&item));
  }
  void Delete(int index) override { Send(TCM_DELETEITEM, static_cast<WPARAM>(index)); }
  [[nodiscard]] int Selection() const override { return static_cast<int>(Send(TCM_GETCURSEL)); }
  void Select(int index) override { Send(TCM_SETCURSEL, static_cast<WPARAM>(index)); }
};

class UpDown final : public Win32Control, public RangeControl {
 public:
  using Win32Control::Win32Control;
  std::optional<LRESULT> Notify(const NMHDR& header, WindowHost& host) override {
    if (header.code != UDN_DELTAPOS) return std::nullopt;
    const auto& step = reinterpret_cast<const NMUPDOWN&>(header);
    return host.MayStep(Id(), step.iDelta) ? 0 : 1;
  }
  [[nodiscard]] RangeControl* Range() override { return this; }
  void SetRange(int lower, int upper) override {
    Send(UDM_SETRANGE32, static_cast<WPARAM>(lower), static_cast<LPARAM>(upper));
  }
  [[nodiscard]] int Position() const override { return static_cast<int>(Send(UDM_GETPOS32)); }
  void SetPosition(int position) override { Send(UDM_SETPOS32, 0, position); }
  void SetBuddy(Control& buddy) override {
    Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(static_cast<Win32Control&>(buddy).Handle()));
  }
};

class ProgressBar final : public Win32Control, public RangeControl {
 public:
  using Win32Control::Win32Control;
  [[nodiscard]] RangeControl* Range() override { return this; }
  void SetRange(int lower, int upper) override {
    Send(PBM_SETRANGE32, static_cast<WPARAM>(lower), static_cast<LPARAM>(upper));
  }
  [[nodiscard]] int Position() const override { return static_cast<int>(Send(PBM_GETPOS)); }
  void SetPosition(int position) override { Send(PBM_SETPOS, static_cast<WPARAM>(position)); }
};

SYSTEMTIME ToSystemTime(const CalendarDate& date, WORD hour) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(date.year);
  time.wMonth = static_cast<WORD>(date.month);
  time.wDay = static_cast<WORD>(date.day);
  time.wHour = hour;
  return time;
}

class DatePicker final : public Win32Control, public DateControl {
 public:
  using Win32Control::Win32Control;
  [[nodiscard]] DateControl* Dates() override { return this; }
  [[nodiscard]] std::optional<CalendarDate> Date() const override {
    SYSTEMTIME time{};
    if (Send(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID) {
      return std::nullopt;
    }
    return CalendarDate{time.wYear, time.wMonth, time.wDay};
  }
  void SetDate(const CalendarDate& date) override {
    // Noon: no daylight-saving change moves it to another day.
    SYSTEMTIME time = ToSystemTime(date, 12);
    Send(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
  }
  void SetRange(const CalendarDate& first, const CalendarDate& last) override {
    SYSTEMTIME range[2] = {ToSystemTime(first, 0), ToSystemTime(last, 23)};
    Send(DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
  }
};

}  // namespace

std::string Win32Control::Text() const { return WideToUtf8(WindowText(item_)); }

void Win32Control::SetText(std::string_view text) {
  SetWindowTextW(item_, Utf8ToWide(text).c_str());
}

void Win32Control::Focus() {
  // Through the dialog manager, which also moves the default button and selects an edit's text.
  SendMessageW(GetAncestor(item_, GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item_), TRUE);
}

void Win32Control::SetToolTip(std::string_view text) {
  std::wstring wide = Utf8ToWide(text);
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  // The tooltip watches the control's mouse messages itself, as the relayed events did.
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_.Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(item_);
  tool.lpszText = wide.data();
  SendMessageW(window_.ToolTipWindow(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::unique_ptr<Win32Control> MakeWin32Control(Win32DialogWindow& window, HWND item,
                                               const ControlTemplate& c) {
  switch (c.kind) {
    case ControlKind::kPushButton:
    case ControlKind::kDefPushButton:
    case ControlKind::kRadioButton:
    case ControlKind::kCheckBox:
      return std::make_unique<Button>(window, item, c);
    case ControlKind::kEdit:
      return std::make_unique<Edit>(window, item, c);
    case ControlKind::kListBox:
      return std::make_unique<ListBox>(window, item, c);
    case ControlKind::kComboBox:
      return std::make_unique<ComboBox>(window, item, c);
    case ControlKind::kTabControl:
      return std::make_unique<TabControl>(window, item, c);
    case ControlKind::kUpDown:
      return std::make_unique<UpDown>(window, item, c);
    case ControlKind::kProgressBar:
      return std::make_unique<ProgressBar>(window, item, c);
    case ControlKind::kDateTimePicker:
      return std::make_unique<DatePicker>(window, item, c);
    case ControlKind::kStatic:
    case ControlKind::kGroupBox:
    case ControlKind::kIcon:
      break;
  }
  return std::make_unique<Win32Control>(window, item, c);
}

}  // namespace lunda
