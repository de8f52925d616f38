// Message boxes through QMessageBox.
#include <QMessageBox>

#include "gui/framework/backend.h"
#include "gui/framework/dialog_ids.h"
#include "gui/framework/message_box.h"
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

int ShowNativeMessageBox(const MessageBoxRequest& request) {
  QWidget* owner = request.owner ? &QtDialogWindow::Of(*request.owner) : nullptr;
  QMessageBox box(ToQt(request.icon), QString::fromStdString(request.caption),
                  QString::fromStdString(request.text), QMessageBox::Ok, owner);
  box.exec();
  return kIdOk;
}

}  // namespace lunda
