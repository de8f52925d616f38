// CPropertySheet: a modal tabbed dialog over CPropertyPage objects, with OK, Cancel, Apply, Help.
#pragma once

#include <QPointer>
#include <QString>
#include <vector>

#include "gui/framework/dialog.h"
#include "gui/framework/property_page.h"

class QTabBar;

namespace lunda {

// The sheet only refers to its pages: whoever adds them deletes them, before or after the sheet.
// Buttons are controls 1 "OK", 2 "Cancel", 12321 "&Apply" (kIdApplyNow) and 9 "Help", so their
// texts are set with SetDlgItemText; tab texts start as the page captions (GetTabControl).
// OK and Apply read the active page (OnKillActive), then apply every created page in tab order;
// Cancel, Esc and the close box reset every created page and end with 2.
class CPropertySheet : public CDialog {
  Q_OBJECT

 public:
  explicit CPropertySheet(const QString& caption, QWidget* parent = nullptr, int startPage = 0);
  ~CPropertySheet() override;

  // Adds a page after the others; call before DoModal.
  void AddPage(CPropertyPage* page);
  [[nodiscard]] int GetPageCount() const { return static_cast<int>(pages_.size()); }
  [[nodiscard]] CPropertyPage* GetPage(int index) const;
  [[nodiscard]] int GetActiveIndex() const { return active_; }
  [[nodiscard]] CPropertyPage* GetActivePage() const { return GetPage(active_); }
  // Leaves the active page (which may refuse) and shows the page at index, creating it on its
  // first showing; false when the page was not changed.
  bool SetActivePage(int index);
  // The tab strip; null before the sheet was created.
  [[nodiscard]] QTabBar* GetTabControl() const { return tabs_; }

  // Enables Apply while at least one page reports itself changed; pages call it.
  void UpdateApplyButton();

 protected:
  std::optional<DialogTemplate> LoadTemplate(QString* error) override;
  // Creates the tab strip and the start page, then runs the base initialisation; returns false
  // because the focus is already on the start page's first control.
  bool OnInitDialog() override;
  // 1 OK, 2 Cancel, 9 Help to the active page, 12321 Apply.
  void OnCommand(int id) override;
  void OnOK() override;
  void OnCancel() override;

 private:
  // Reads the active page and applies every created page; false when one refused.
  bool ApplyPages();

  QString caption_;
  int startPage_;
  std::vector<QPointer<CPropertyPage>> pages_;
  QTabBar* tabs_ = nullptr;
  QWidget* pageArea_ = nullptr;
  int active_ = -1;
};

}  // namespace lunda
