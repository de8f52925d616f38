// The sheet's pages and caption; the tabs, buttons and page rules are the platform's.
#include "gui/framework/property_sheet.h"

namespace lunda {

CPropertySheet::CPropertySheet(std::string caption, CDialog* parent, int startPage)
    : CPropertySheet(std::move(caption), parent, startPage, CreateSheetWindow(*this)) {}

CPropertySheet::CPropertySheet(std::string caption, CDialog* parent, int startPage,
                               std::unique_ptr<SheetWindow> window)
    : CDialog(0, parent, std::move(window)),
      caption_(std::move(caption)),
      startPage_(startPage),
      sheetWindow_(dynamic_cast<SheetWindow&>(Window())) {}

CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::AddPage(CPropertyPage* page) {
  page->sheet_ = this;
  page->index_ = GetPageCount();
  pages_.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  if (index < 0 || index >= GetPageCount()) return nullptr;
  return pages_[static_cast<std::size_t>(index)];
}

void CPropertySheet::PageChanged(const CPropertyPage& page, bool changed) {
  sheetWindow_.PageChanged(page.index_, changed);
}

std::optional<DialogTemplate> CPropertySheet::LoadTemplate(std::string*) {
  DialogTemplate sheet;
  sheet.caption = caption_;
  sheet.fontFace = "MS Sans Serif";
  sheet.styles = {.caption = true, .sysMenu = true};
  return sheet;
}

}  // namespace lunda
