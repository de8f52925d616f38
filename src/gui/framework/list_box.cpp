// List box calls through the dialog's window.
#include "gui/framework/list_box.h"

#include "gui/framework/dialog.h"

namespace lunda {

int CListBox::GetCount() const { return dialog_ ? dialog_->Window().ItemCount(id_) : 0; }

int CListBox::GetCurSel() const { return dialog_ ? dialog_->Window().Selection(id_) : -1; }

void CListBox::SetCurSel(int index) {
  if (dialog_) dialog_->Window().Select(id_, index);
}

std::string CListBox::GetText(int index) const {
  return dialog_ ? dialog_->Window().ItemText(id_, index) : std::string();
}

void CListBox::InsertString(int index, std::string_view text) {
  if (dialog_) dialog_->Window().InsertItem(id_, index, text);
}

void CListBox::DeleteString(int index) {
  if (dialog_) dialog_->Window().DeleteItem(id_, index);
}

void CListBox::Invalidate() {
  if (dialog_) dialog_->Window().Redraw(id_);
}

}  // namespace lunda
