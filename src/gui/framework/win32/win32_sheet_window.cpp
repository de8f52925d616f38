// PropertySheetW over the pages' own templates and dialog procedures.
#include "gui/framework/win32/win32_sheet_window.h"

#include <utility>

#include "gui/framework/property_sheet.h"
#include "platform/win32/wide_text.h"

namespace lunda {
namespace {

// The sheet whose window the system is creating; its callback has no other way to find it.
thread_local Win32SheetWindow* opening = nullptr;

}  // namespace

std::unique_ptr<SheetWindow> CreateSheetWindow(CPropertySheet& sheet) {
  return std::make_unique<Win32SheetWindow>(sheet);
}

Win32SheetWindow::Win32SheetWindow(CPropertySheet& sheet)
    : Win32DialogWindow(sheet), sheet_(sheet) {}

int Win32SheetWindow::RunModal(const DialogTemplate& dialogTemplate, CDialog* owner) {
  const INT_PTR result = Open(dialogTemplate, owner, false);
  Attach(nullptr);
  // The system answers 0 for Cancel and a positive value for OK.
  if (result < 0) return -1;
  return result > 0 ? kIdOk : kIdCancel;
}

bool Win32SheetWindow::CreateModeless(const DialogTemplate& dialogTemplate, CDialog* owner) {
  return Exists() || Open(dialogTemplate, owner, true) > 0;
}

INT_PTR Win32SheetWindow::Open(const DialogTemplate& dialogTemplate, CDialog* owner,
                               bool modeless) {
  pageTemplates_.clear();
  std::vector<PROPSHEETPAGEW> pages;
  for (int i = 0; i < sheet_.GetPageCount(); ++i) {
    CPropertyPage& page = *sheet_.GetPage(i);
    const DialogTemplate* t = page.EnsureTemplate();
    if (t == nullptr) return -1;
    Win32DialogWindow& window = Of(page);
    pageTemplates_.push_back(window.PrepareAsPage(*t));
    PROPSHEETPAGEW record{};
    record.dwSize = sizeof(record);
    // Help stays enabled on every page; each page answers it with its own topic.
    record.dwFlags = PSP_DLGINDIRECT | PSP_HASHELP;
    record.hInstance = GetModuleHandleW(nullptr);
    record.pResource = reinterpret_cast<LPCDLGTEMPLATEW>(pageTemplates_.back().data());
    record.pfnDlgProc = PageProc;
    record.lParam = reinterpret_cast<LPARAM>(&window);
    pages.push_back(record);
  }
  const std::wstring caption = Utf8ToWide(dialogTemplate.caption);
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP | PSH_USECALLBACK | PSH_NOCONTEXTHELP |
                   (modeless ? PSH_MODELESS : 0);
  header.hwndParent = owner ? Of(*owner).Handle() : nullptr;
  header.hInstance = GetModuleHandleW(nullptr);
  header.pszCaption = caption.c_str();
  header.nPages = static_cast<UINT>(pages.size());
  header.nStartPage = static_cast<UINT>(sheet_.GetStartPage());
  header.ppsp = pages.data();
  header.pfnCallback = Callback;
  cancelled_ = false;
  opening = this;
  return PropertySheetW(&header);
}

int CALLBACK Win32SheetWindow::Callback(HWND hwnd, UINT message, LPARAM) {
  if (message == PSCB_INITIALIZED && opening != nullptr) {
    Win32SheetWindow* window = std::exchange(opening, nullptr);
    window->Attach(hwnd);
    static_cast<void>(window->sheet_.HandleInitDialog());
  }
  return 0;
}

void Win32SheetWindow::End(int result) {
  if (Handle()) PropSheet_PressButton(Handle(), result == kIdOk ? PSBTN_OK : PSBTN_CANCEL);
}

bool Win32SheetWindow::IsVisible() const {
  // After OK the system keeps no current page.
  return Win32DialogWindow::IsVisible() && !cancelled_ &&
         PropSheet_GetCurrentPageHwnd(Handle()) != nullptr;
}

int Win32SheetWindow::ActivePage() const {
  if (!Handle()) return -1;
  return static_cast<int>(PropSheet_HwndToIndex(Handle(), PropSheet_GetCurrentPageHwnd(Handle())));
}

bool Win32SheetWindow::SetActivePage(int index) {
  return Handle() && PropSheet_SetCurSel(Handle(), nullptr, index);
}

HWND Win32SheetWindow::TabControl() const {
  return Handle() ? PropSheet_GetTabControl(Handle()) : nullptr;
}

void Win32SheetWindow::SetTabText(int index, std::string_view text) {
  std::wstring wide = Utf8ToWide(text);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = wide.data();
  if (HWND tabs = TabControl()) {
    SendMessageW(tabs, TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  }
}

void Win32SheetWindow::PageChanged(int index, bool changed) {
  CPropertyPage* page = sheet_.GetPage(index);
  HWND pageWindow = page ? Of(*page).Handle() : nullptr;
  if (!Handle() || !pageWindow) return;
  if (changed) {
    PropSheet_Changed(Handle(), pageWindow);
  } else {
    PropSheet_UnChanged(Handle(), pageWindow);
  }
}

}  // namespace lunda
