// Message boxes through QMessageBox.
#include <QMessageBox>

#include "gui/framework/backend/services.h"
#include "gui/framework/qt/qt_dialog_window.h"

namespace lunda {
namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kError:
      return QMessageBox::Critical;
    case MessageIcon::kWarning:
      return QMessageBox::Warning;
    case MessageIcon::kInformation:
      return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void ShowMessageBox(DialogWindow* owner, std::string_view text, std::string_view caption,
                    MessageIcon icon) {
  QMessageBox box(ToQt(icon), FromUtf8(caption), FromUtf8(text), QMessageBox::Ok,
                  owner ? QtDialogWindow::Of(*owner).Widget() : nullptr);
  box.exec();
}

}  // namespace lunda
