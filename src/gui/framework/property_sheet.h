// CPropertySheet: a modal tabbed dialog over CPropertyPage objects, with OK, Cancel, Apply, Help.
#pragma once

#include <string>
#include <vector>

#include "gui/framework/dialog.h"
#include "gui/framework/property_page.h"

namespace lunda {

// The classic property sheet, the same on every backend: a tab control (kIdSheetTabs) over the
// pages and the buttons 1 "OK", 2 "Cancel", kIdApplyNow "Apply" and 9 "Help", whose texts are set
// with SetDlgItemText; tab texts start as the page captions. It only refers to its pages, which
// must live until it has closed; whoever adds them deletes them, before or after the sheet.
//
// A page's window is made the first time its tab is shown. Another tab, OK and Apply first read
// the active page (OnKillActive), which may refuse and keep the sheet on it; OK and Apply then
// apply every created page in tab order, and a page that refuses is brought to the front with
// the sheet left open. Apply shows the active page again. Cancel, Esc and the close box reset
// every created page and end with 2. Help goes to the active page. Apply is enabled while any
// page reports itself changed. The page keys go round the tabs as a click on the next or the
// previous tab would, and give the tabs the focus.
class CPropertySheet : public CDialog {
 public:
  explicit CPropertySheet(std::string caption, CDialog* parent = nullptr, int startPage = 0);

  // Adds a page after the others; call before DoModal.
  void AddPage(CPropertyPage* page);
  [[nodiscard]] int GetPageCount() const { return static_cast<int>(pages_.size()); }
  [[nodiscard]] CPropertyPage* GetPage(int index) const;
  [[nodiscard]] int GetStartPage() const { return startPage_; }
  [[nodiscard]] int GetActiveIndex() const { return active_; }
  [[nodiscard]] CPropertyPage* GetActivePage() const { return GetPage(active_); }
  // Leaves the active page (which may refuse) and shows the page at index, making its window on
  // its first showing; false when the page was not changed.
  bool SetActivePage(int index);
  void SetTabText(int index, std::string_view text);

  // A page reports its changed state (CPropertyPage::SetModified).
  void PageChanged(const CPropertyPage& page, bool changed);

 protected:
  std::optional<DialogTemplate> LoadTemplate(std::string* error) override;
  // The tabs and the start page, whose first field gets the focus.
  bool OnInitDialog() override;
  void OnCommand(int id) override;
  // A tab chosen by the user.
  void OnSelChange(int id) override;
  bool OnPageKey(int step) override;

 private:
  // Reads the active page and applies every created page; false when one refused.
  bool ApplyPages();
  void ResetPages();

  std::string caption_;
  int startPage_;
  std::vector<CPropertyPage*> pages_;
  std::vector<bool> changed_;
  UnitRect pageArea_;
  int active_ = -1;
};

}  // namespace lunda
