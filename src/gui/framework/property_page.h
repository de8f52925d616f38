// CPropertyPage: one page of a CPropertySheet, built from its own template.
#pragma once

#include "gui/framework/dialog.h"

namespace lunda {

class CPropertySheet;

// A page's window is created the first time its tab is shown; until then the page has no
// controls, gets no notifications and applies nothing. Its template caption is the tab text
// unless the sheet sets another. A page moves its working copy with DoDataExchange like any
// dialog. The sheet calls the notifications below.
class CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(int templateId) : CDialog(templateId) {}

  // Reports the page changed or unchanged; the sheet's Apply button is enabled while any
  // page is changed.
  void SetModified(bool changed = true);
  [[nodiscard]] bool IsModified() const { return modified_; }
  // The sheet the page was added to, or null.
  [[nodiscard]] CPropertySheet* Sheet() const { return sheet_; }
  [[nodiscard]] const CDialog& TopLevel() const override;

  // The page is being shown. The default shows the fields again (UpdateData(false)), except on
  // the first activation right after the page was created.
  virtual void OnSetActive();
  // The page is being left (another tab, OK, Apply). The default reads the fields; returning
  // false keeps the sheet on this page.
  virtual bool OnKillActive();
  // OK or Apply, for every created page in tab order; returning false keeps the sheet open on
  // this page. The default accepts.
  virtual bool OnApply();
  // Cancel, for every created page. The default does nothing.
  virtual void OnReset();
  // The sheet's Help button while this page is active. The default does nothing.
  virtual void OnHelp();

 private:
  friend class CPropertySheet;

  CPropertySheet* sheet_ = nullptr;
  int index_ = -1;
  bool modified_ = false;
  bool firstSetActive_ = true;
};

}  // namespace lunda
