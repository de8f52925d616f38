// Message boxes through QMessageBox, or through the installed handler.
#include "gui/framework/message_box.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <utility>

#include "gui/framework/dialog_ids.h"

namespace lunda {
namespace {

MessageBoxHandler& Handler() {
  static MessageBoxHandler handler;
  return handler;
}

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

QString ApplicationTitle() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

int MessageBox(QWidget* parent, const QString& text, MessageIcon icon, const QString& caption) {
  const MessageBoxRequest request{parent, text, caption.isEmpty() ? ApplicationTitle() : caption,
                                  icon};
  if (Handler()) return Handler()(request);
  QMessageBox box(ToQt(icon), request.caption, text, QMessageBox::Ok, parent);
  box.exec();
  return kIdOk;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

}  // namespace lunda
