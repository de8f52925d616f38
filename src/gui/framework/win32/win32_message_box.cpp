// Message boxes through MessageBoxW.

#include "gui/framework/backend.h"
#include "gui/framework/message_box.h"
#include "gui/framework/win32/win32_dialog_window.h"
#include "gui/framework/win32/windows_api.h"
#include "platform/win32/wide_text.h"

namespace lunda {

int ShowNativeMessageBox(const MessageBoxRequest& request) {
  HWND owner = request.owner ? Win32DialogWindow::Of(*request.owner).Handle() : nullptr;
  UINT icon = MB_ICONERROR;
  if (request.icon == MessageIcon::kWarning) icon = MB_ICONWARNING;
  if (request.icon == MessageIcon::kInformation) icon = MB_ICONINFORMATION;
  MessageBoxW(owner, Utf8ToWide(request.text).c_str(), Utf8ToWide(request.caption).c_str(),
              MB_OK | icon);
  return IDOK;
}

}  // namespace lunda
