// Selecting the whole text of the page's focused edit.
#include "gui/params/select_failed_field.h"

#include "gui/framework/dialog.h"

namespace lunda {

void SelectFailedField(CDialog& page) {
  if (const int focused = page.GetFocusId()) page.Item(focused).SelectAll();
}

}  // namespace lunda
