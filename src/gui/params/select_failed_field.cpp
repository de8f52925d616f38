// Selecting the whole text of the page's focused edit.
#include "gui/params/select_failed_field.h"

#include <QLineEdit>

namespace lunda {

void SelectFailedField(const QWidget& page) {
  if (auto* edit = qobject_cast<QLineEdit*>(page.focusWidget())) edit->selectAll();
}

}  // namespace lunda
