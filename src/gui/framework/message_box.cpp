// Message boxes through the backend, or through the installed handler.
#include "gui/framework/message_box.h"

#include <utility>

#include "gui/framework/application.h"
#include "gui/framework/backend.h"

namespace lunda {
namespace {

MessageBoxHandler& Handler() {
  static MessageBoxHandler handler;
  return handler;
}

}  // namespace

int MessageBox(const CDialog* owner, std::string_view text, MessageIcon icon,
               std::string_view caption) {
  const MessageBoxRequest request{
      owner, std::string(text), caption.empty() ? ApplicationTitle() : std::string(caption), icon};
  if (Handler()) return Handler()(request);
  return ShowNativeMessageBox(request);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

}  // namespace lunda
