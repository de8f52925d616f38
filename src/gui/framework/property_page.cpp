// The default page behaviour of a property sheet.
#include "gui/framework/property_page.h"

#include "gui/framework/property_sheet.h"

namespace lunda {

void CPropertyPage::SetModified(bool changed) {
  modified_ = changed;
  if (sheet_) sheet_->PageChanged(*this, changed);
}

const CDialog& CPropertyPage::TopLevel() const {
  return sheet_ ? static_cast<const CDialog&>(*sheet_) : *this;
}

void CPropertyPage::OnSetActive() {
  if (firstSetActive_) {
    firstSetActive_ = false;
  } else {
    UpdateData(false);
  }
}

bool CPropertyPage::OnKillActive() { return UpdateData(true); }

bool CPropertyPage::OnApply() { return true; }

void CPropertyPage::OnReset() {}

void CPropertyPage::OnHelp() {}

}  // namespace lunda
