// The property sheet's layout, page switching by tab and by key, and its OK/Cancel/Apply/Help
// rules.
#include "gui/framework/property_sheet.h"

#include <algorithm>

#include "gui/framework/resources.h"

namespace lunda {
namespace {

// Layout in dialog units, after the classic sheet: margins, the tab control around the pages,
// the buttons under it.
constexpr int kMargin = 7;
constexpr int kTabStrip = 14;
constexpr int kTabInset = 3;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;

ControlTemplate SheetControl(int id, ControlKind kind, std::string text, UnitRect rect) {
  ControlTemplate c;
  c.id = id;
  c.kind = kind;
  c.text = std::move(text);
  c.rect = rect;
  c.styles.tabStop = true;
  return c;
}

}  // namespace

CPropertySheet::CPropertySheet(std::string caption, CDialog* parent, int startPage)
    : CDialog(0, parent), caption_(std::move(caption)), startPage_(startPage) {}

void CPropertySheet::AddPage(CPropertyPage* page) {
  page->sheet_ = this;
  page->index_ = GetPageCount();
  pages_.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  if (index < 0 || index >= GetPageCount()) return nullptr;
  return pages_[static_cast<std::size_t>(index)];
}

std::optional<DialogTemplate> CPropertySheet::LoadTemplate(std::string*) {
  int pageWidth = 1;
  int pageHeight = 1;
  for (CPropertyPage* page : pages_) {
    if (const DialogTemplate* t = page->EnsureTemplate()) {
      pageWidth = std::max(pageWidth, t->width);
      pageHeight = std::max(pageHeight, t->height);
    }
  }
  DialogTemplate sheet;
  sheet.caption = caption_;
  sheet.fontFace = "MS Sans Serif";
  sheet.styles = {.caption = true, .sysMenu = true};
  const UnitRect tabs{kMargin, kMargin, pageWidth + 2 * kTabInset,
                      kTabStrip + pageHeight + 2 * kTabInset};
  pageArea_ = {tabs.x + kTabInset, tabs.y + kTabStrip + kTabInset, pageWidth, pageHeight};
  sheet.width = tabs.width + 2 * kMargin;
  sheet.height = tabs.y + tabs.height + kMargin + kButtonHeight + kMargin;
  // The pages come first in tab order, then the buttons, then the tabs, as in a classic sheet.
  const struct {
    int id;
    int text;
  } buttons[] = {{kIdOk, ids::strings::kFrameworkSheetOk},
                 {kIdCancel, ids::strings::kFrameworkSheetCancel},
                 {kIdApplyNow, ids::strings::kFrameworkSheetApply},
                 {kIdHelp, ids::strings::kFrameworkSheetHelp}};
  int x = sheet.width - kMargin - 4 * kButtonWidth - 3 * kButtonGap;
  for (const auto& b : buttons) {
    const ControlKind kind = b.id == kIdOk ? ControlKind::kDefPushButton : ControlKind::kPushButton;
    sheet.controls.push_back(
        SheetControl(b.id, kind, LoadString(b.text),
                     {x, tabs.y + tabs.height + kMargin, kButtonWidth, kButtonHeight}));
    x += kButtonWidth + kButtonGap;
  }
  sheet.controls[2].styles.disabled = true;  // Apply: nothing has changed yet
  sheet.controls.push_back(SheetControl(kIdSheetTabs, ControlKind::kTabControl, {}, tabs));
  return sheet;
}

bool CPropertySheet::OnInitDialog() {
  ItemControl& tabs = Items(kIdSheetTabs);
  for (CPropertyPage* page : pages_) {
    const DialogTemplate* t = page->EnsureTemplate();
    tabs.Insert(-1, t ? t->caption : std::string());
  }
  changed_.assign(pages_.size(), false);
  active_ = -1;
  SetActivePage(std::clamp(startPage_, 0, std::max(0, GetPageCount() - 1)));
  if (CPropertyPage* page = GetActivePage()) page->FocusFirstTabStop();
  return false;
}

bool CPropertySheet::SetActivePage(int index) {
  CPropertyPage* next = GetPage(index);
  if (next == nullptr || index == active_) return next != nullptr;
  if (CPropertyPage* current = GetActivePage()) {
    if (!current->OnKillActive()) {
      Items(kIdSheetTabs).Select(active_);
      return false;
    }
    current->Window().Show(false);
  }
  if (!next->CreateAsPage(*this, pageArea_)) {
    Items(kIdSheetTabs).Select(active_);
    return false;
  }
  active_ = index;
  Items(kIdSheetTabs).Select(index);
  next->OnSetActive();
  next->Window().Show(true);
  return true;
}

void CPropertySheet::SetTabText(int index, std::string_view text) {
  ItemControl& tabs = Items(kIdSheetTabs);
  if (index < 0 || index >= tabs.Count()) return;
  tabs.Delete(index);
  tabs.Insert(index, text);
  tabs.Select(active_);
}

void CPropertySheet::PageChanged(const CPropertyPage& page, bool changed) {
  if (page.index_ < 0 || static_cast<std::size_t>(page.index_) >= changed_.size()) return;
  changed_[static_cast<std::size_t>(page.index_)] = changed;
  EnableDlgItem(kIdApplyNow, std::find(changed_.begin(), changed_.end(), true) != changed_.end());
}

void CPropertySheet::OnCommand(int id) {
  switch (id) {
    case kIdOk:
      if (ApplyPages()) EndDialog(kIdOk);
      break;
    case kIdCancel:
      ResetPages();
      EndDialog(kIdCancel);
      break;
    case kIdApplyNow:
      // The page stays, and is shown again as the system's sheet shows it after Apply.
      if (ApplyPages()) GetActivePage()->OnSetActive();
      break;
    case kIdHelp:
      if (CPropertyPage* page = GetActivePage()) page->OnHelp();
      break;
    default:
      CDialog::OnCommand(id);
  }
}

void CPropertySheet::OnSelChange(int id) {
  if (id == kIdSheetTabs) SetActivePage(Items(kIdSheetTabs).Selection());
}

bool CPropertySheet::OnPageKey(int step) {
  const int count = GetPageCount();
  if (count == 0) return false;
  // The page left had the focus, which a hidden control must not keep; a page that refused to
  // be left has put it back in its failing field.
  if (SetActivePage((active_ + step + count) % count)) GotoDlgCtrl(kIdSheetTabs);
  return true;
}

bool CPropertySheet::ApplyPages() {
  CPropertyPage* current = GetActivePage();
  if (current == nullptr || !current->OnKillActive()) return false;
  for (int i = 0; i < GetPageCount(); ++i) {
    CPropertyPage* page = GetPage(i);
    if (page->IsCreated() && !page->OnApply()) {
      SetActivePage(i);
      return false;
    }
  }
  return true;
}

void CPropertySheet::ResetPages() {
  for (CPropertyPage* page : pages_) {
    if (page->IsCreated()) page->OnReset();
  }
}

}  // namespace lunda
