// DLGTEMPLATEEX and DLGITEMTEMPLATEEX records, with the system's control classes and styles for
// each template kind.
#include "gui/framework/win32/win32_template.h"

#include <cstring>
#include <string>
#include <string_view>

#include "gui/framework/win32/windows_api.h"
#include "platform/win32/wide_text.h"

namespace lunda {
namespace {

// Appends the little-endian fields of the records; they are WORD- and DWORD-aligned as the
// dialog manager reads them.
class TemplateWriter {
 public:
  void Word(std::uint16_t value) {
    bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
  }
  void Dword(std::uint32_t value) {
    Word(static_cast<std::uint16_t>(value & 0xFFFF));
    Word(static_cast<std::uint16_t>(value >> 16));
  }
  void Text(std::wstring_view wide) {
    for (const wchar_t c : wide) Word(static_cast<std::uint16_t>(c));
    Word(0);
  }
  void Text(const std::string& utf8) { Text(Utf8ToWide(utf8)); }
  void Ordinal(std::uint16_t value) {
    Word(0xFFFF);
    Word(value);
  }
  void AlignToDword() {
    while (bytes_.size() % 4 != 0) bytes_.push_back(0);
  }
  [[nodiscard]] std::vector<std::uint32_t> Words() {
    AlignToDword();
    std::vector<std::uint32_t> aligned(bytes_.size() / 4);
    std::memcpy(aligned.data(), bytes_.data(), bytes_.size());
    return aligned;
  }

 private:
  std::vector<std::uint8_t> bytes_;
};

struct Native {
  const wchar_t* windowClass;
  DWORD style;
  DWORD exStyle = 0;
};

Native NativeControl(const ControlTemplate& c) {
  const ControlStyles& s = c.styles;
  switch (c.kind) {
    case ControlKind::kPushButton:
      return {L"BUTTON", BS_PUSHBUTTON};
    case ControlKind::kDefPushButton:
      return {L"BUTTON", BS_DEFPUSHBUTTON};
    case ControlKind::kGroupBox:
      return {L"BUTTON", BS_GROUPBOX};
    case ControlKind::kRadioButton:
      return {L"BUTTON", BS_AUTORADIOBUTTON};
    case ControlKind::kCheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX};
    case ControlKind::kStatic:
      return {L"STATIC", static_cast<DWORD>(
                             (s.center ? SS_CENTER : SS_LEFT) | (s.vcenter ? SS_CENTERIMAGE : 0) |
                             (s.noPrefix ? SS_NOPREFIX : 0) | (s.sunken ? SS_SUNKEN : 0))};
    case ControlKind::kIcon:
      return {L"STATIC", SS_ICON};
    case ControlKind::kEdit:
      return {L"EDIT",
              static_cast<DWORD>(
                  ES_LEFT | (s.border ? WS_BORDER : 0) | (s.autoHScroll ? ES_AUTOHSCROLL : 0) |
                  (s.autoVScroll ? ES_AUTOVSCROLL : 0) | (s.multiLine ? ES_MULTILINE : 0) |
                  (s.readOnly ? ES_READONLY : 0) | (s.wantReturn ? ES_WANTRETURN : 0) |
                  (s.vScroll ? WS_VSCROLL : 0) | (s.number ? ES_NUMBER : 0)),
              static_cast<DWORD>(s.sunken ? WS_EX_CLIENTEDGE : 0)};
    case ControlKind::kListBox:
      return {L"LISTBOX",
              static_cast<DWORD>((s.notify ? LBS_NOTIFY : 0) |
                                 (s.ownerDraw ? LBS_OWNERDRAWFIXED | LBS_HASSTRINGS : 0) |
                                 (s.sort ? LBS_SORT : 0) |
                                 (s.noIntegralHeight ? LBS_NOINTEGRALHEIGHT : 0) |
                                 (s.border ? WS_BORDER : 0) | (s.vScroll ? WS_VSCROLL : 0))};
    case ControlKind::kComboBox:
      return {L"COMBOBOX", static_cast<DWORD>(CBS_DROPDOWNLIST | (s.vScroll ? WS_VSCROLL : 0))};
    case ControlKind::kUpDown:
      return {UPDOWN_CLASSW, static_cast<DWORD>(s.arrowKeys ? UDS_ARROWKEYS : 0)};
    case ControlKind::kProgressBar:
      return {PROGRESS_CLASSW,
              static_cast<DWORD>((s.smooth ? PBS_SMOOTH : 0) | (s.border ? WS_BORDER : 0))};
    case ControlKind::kDateTimePicker:
      return {DATETIMEPICK_CLASSW, static_cast<DWORD>((s.shortDate ? DTS_SHORTDATEFORMAT : 0) |
                                                      (s.rightAlign ? DTS_RIGHTALIGN : 0))};
    case ControlKind::kTabControl:
      // The pages lie over it as its siblings, which it must not paint over.
      return {WC_TABCONTROLW, WS_CLIPSIBLINGS};
  }
  return {L"STATIC", SS_LEFT};
}

DWORD DialogStyle(const DialogTemplate& t, TemplateUse use) {
  // A page is a control of its sheet, which Tab and the dialog keys pass through.
  if (use == TemplateUse::kPage) return DS_SETFONT | DS_CONTROL | WS_CHILD;
  return DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | (t.styles.caption ? WS_CAPTION : 0) |
         (t.styles.sysMenu ? WS_SYSMENU : 0) | (t.styles.minimizeBox ? WS_MINIMIZEBOX : 0);
}

// A tool window gets the small caption; a window with a minimise box is a program's main
// window, which has a task-bar button of its own.
DWORD DialogExStyle(const DialogTemplate& t) {
  return (t.styles.toolWindow ? WS_EX_TOOLWINDOW : 0) |
         (t.styles.minimizeBox ? WS_EX_APPWINDOW : 0);
}

// The icon resource an icon control names by number ("128").
std::uint16_t IconId(const std::string& text) {
  std::uint16_t id = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return 0;
    id = static_cast<std::uint16_t>(id * 10 + (c - '0'));
  }
  return id;
}

void WriteControl(TemplateWriter& out, const ControlTemplate& c) {
  const Native native = NativeControl(c);
  const ControlStyles& s = c.styles;
  out.AlignToDword();
  out.Dword(0);  // help id
  out.Dword(native.exStyle);
  out.Dword(native.style | WS_CHILD | WS_VISIBLE | (s.tabStop ? WS_TABSTOP : 0) |
            (s.group ? WS_GROUP : 0) | (s.disabled ? WS_DISABLED : 0));
  for (const int value : {c.rect.x, c.rect.y, c.rect.width, c.rect.height}) {
    out.Word(static_cast<std::uint16_t>(value));
  }
  out.Dword(static_cast<std::uint32_t>(c.id));
  out.Text(std::wstring_view(native.windowClass));
  if (c.kind == ControlKind::kIcon) {
    out.Ordinal(IconId(c.text));
  } else {
    out.Text(c.text);
  }
  out.Word(0);  // no creation data
}

}  // namespace

std::vector<std::uint32_t> BuildWin32Template(const DialogTemplate& t, TemplateUse use) {
  TemplateWriter out;
  out.Word(1);       // DLGTEMPLATEEX
  out.Word(0xFFFF);  // its signature
  out.Dword(0);      // help id
  out.Dword(use == TemplateUse::kPage ? 0 : DialogExStyle(t));
  out.Dword(DialogStyle(t, use));
  out.Word(static_cast<std::uint16_t>(t.controls.size()));
  for (const int value : {0, 0, t.width, t.height}) out.Word(static_cast<std::uint16_t>(value));
  out.Word(0);  // no menu
  out.Word(0);  // the dialog class
  out.Text(t.caption);
  out.Word(static_cast<std::uint16_t>(t.fontPoints));
  out.Word(FW_NORMAL);
  out.Word(DEFAULT_CHARSET << 8);  // not italic, the default character set
  out.Text(t.fontFace);
  for (const ControlTemplate& c : t.controls) WriteControl(out, c);
  return out.Words();
}

}  // namespace lunda
