// List box calls through the dialog's item control.
#include "gui/framework/list_box.h"

#include "gui/framework/dialog.h"

namespace lunda {

int CListBox::GetCount() const { return dialog_ ? dialog_->Items(id_).Count() : 0; }

int CListBox::GetCurSel() const { return dialog_ ? dialog_->Items(id_).Selection() : -1; }

void CListBox::SetCurSel(int index) {
  if (dialog_) dialog_->Items(id_).Select(index);
}

std::string CListBox::GetText(int index) const {
  return dialog_ ? dialog_->Items(id_).ItemText(index) : std::string();
}

void CListBox::InsertString(int index, std::string_view text) {
  if (dialog_) dialog_->Items(id_).Insert(index, text);
}

void CListBox::DeleteString(int index) {
  if (dialog_) dialog_->Items(id_).Delete(index);
}

}  // namespace lunda
