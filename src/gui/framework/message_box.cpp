// Message boxes through the backend, or through the installed handler.
#include "gui/framework/message_box.h"

#include <utility>

#include "gui/framework/dialog.h"
#include "gui/framework/dialog_ids.h"

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
  ShowMessageBox(owner ? &owner->Window() : nullptr, request.text, request.caption, icon);
  return kIdOk;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

}  // namespace lunda
