// The Win32 backend's control adapters: one per named template control, made from the control's
// kind when the dialog manager has created the window, so that the notifications and messages
// of each kind are chosen once.
#pragma once

#include <memory>
#include <optional>

#include "gui/framework/backend/window.h"
#include "gui/framework/win32/windows_api.h"

namespace lunda {

class Win32DialogWindow;

class Win32Control : public Control {
 public:
  Win32Control(Win32DialogWindow& window, HWND item, const ControlTemplate& control)
      : window_(window), item_(item), id_(control.id) {}

  [[nodiscard]] HWND Handle() const { return item_; }
  [[nodiscard]] int Id() const { return id_; }
  // A WM_COMMAND notification of the control.
  virtual void Command(int, WindowHost&) {}
  // A WM_NOTIFY of the control: the dialog procedure's result, or nothing when not its own.
  virtual std::optional<LRESULT> Notify(const NMHDR&, WindowHost&) { return std::nullopt; }

  [[nodiscard]] std::string Text() const override;
  void SetText(std::string_view text) override;
  [[nodiscard]] bool IsEnabled() const override { return IsWindowEnabled(item_) != FALSE; }
  void Enable(bool enable) override { EnableWindow(item_, enable ? TRUE : FALSE); }
  void Focus() override;
  void SetToolTip(std::string_view text) override;

 protected:
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(item_, message, wParam, lParam);
  }

 private:
  Win32DialogWindow& window_;
  HWND item_;
  int id_;
};

// The adapter for the control with that template, whose window the dialog manager made.
[[nodiscard]] std::unique_ptr<Win32Control> MakeWin32Control(Win32DialogWindow& window, HWND item,
                                                             const ControlTemplate& control);

}  // namespace lunda
