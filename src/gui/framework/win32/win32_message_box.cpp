// Message boxes through MessageBoxW.

#include "gui/framework/backend/services.h"
#include "gui/framework/win32/win32_dialog_window.h"
#include "gui/framework/win32/windows_api.h"
#include "platform/win32/wide_text.h"

namespace lunda {

void ShowMessageBox(DialogWindow* owner, std::string_view text, std::string_view caption,
                    MessageIcon icon) {
  UINT style = MB_ICONERROR;
  if (icon == MessageIcon::kWarning) style = MB_ICONWARNING;
  if (icon == MessageIcon::kInformation) style = MB_ICONINFORMATION;
  MessageBoxW(owner ? Win32DialogWindow::Of(*owner).Handle() : nullptr, Utf8ToWide(text).c_str(),
              Utf8ToWide(caption).c_str(), MB_OK | style);
}

}  // namespace lunda
