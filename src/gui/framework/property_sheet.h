// CPropertySheet: a modal tabbed dialog over CPropertyPage objects, with OK, Cancel, Apply, Help.
#pragma once

#include <string>
#include <vector>

#include "gui/framework/dialog.h"
#include "gui/framework/property_page.h"

namespace lunda {

// The platform's property sheet. It only refers to its pages, which must live until it has closed;
// whoever adds them deletes them, before or after the sheet. Its buttons are controls 1 "OK", 2
// "Cancel", 9 "Help" and kIdApplyNow "Apply", so their texts are set with SetDlgItemText; tab texts
// start as the page captions. OK and Apply read the active page (OnKillActive), then apply every
// created page in tab order; Cancel, Esc and the close box reset every created page and end with 2;
// Help goes to the active page.
class CPropertySheet : public CDialog {
 public:
  explicit CPropertySheet(std::string caption, CDialog* parent = nullptr, int startPage = 0);
  ~CPropertySheet() override;

  // Adds a page after the others; call before DoModal.
  void AddPage(CPropertyPage* page);
  [[nodiscard]] int GetPageCount() const { return static_cast<int>(pages_.size()); }
  [[nodiscard]] CPropertyPage* GetPage(int index) const;
  [[nodiscard]] int GetStartPage() const { return startPage_; }
  [[nodiscard]] int GetActiveIndex() const { return sheetWindow_.ActivePage(); }
  [[nodiscard]] CPropertyPage* GetActivePage() const { return GetPage(GetActiveIndex()); }
  // Leaves the active page (which may refuse) and shows the page at index, creating it on its
  // first showing; false when the page was not changed.
  bool SetActivePage(int index) { return sheetWindow_.SetActivePage(index); }
  void SetTabText(int index, std::string_view text) { sheetWindow_.SetTabText(index, text); }

  // A page reports its changed state (CPropertyPage::SetModified).
  void PageChanged(const CPropertyPage& page, bool changed);

 protected:
  std::optional<DialogTemplate> LoadTemplate(std::string* error) override;

 private:
  CPropertySheet(std::string caption, CDialog* parent, int startPage,
                 std::unique_ptr<SheetWindow> window);

  std::string caption_;
  int startPage_;
  std::vector<CPropertyPage*> pages_;
  SheetWindow& sheetWindow_;
};

}  // namespace lunda
