// The Win32 backend's property sheet: the system's own (PropertySheetW), with pages made from
// the same templates as the dialogs and created when first shown.
#pragma once

#include "gui/framework/win32/win32_dialog_window.h"

namespace lunda {

class Win32SheetWindow : public Win32DialogWindow, public SheetWindow {
 public:
  explicit Win32SheetWindow(CPropertySheet& sheet);

  int RunModal(const DialogTemplate& dialogTemplate, CDialog* owner) override;
  bool CreateModeless(const DialogTemplate& dialogTemplate, CDialog* owner) override;
  // OK for 1, Cancel for any other result, as the user would press them.
  void End(int result) override;
  // False from the moment OK or Cancel has ended the sheet; its window goes when the system's
  // loop next runs.
  [[nodiscard]] bool IsVisible() const override;

  [[nodiscard]] int ActivePage() const override;
  bool SetActivePage(int index) override;
  void SetTabText(int index, std::string_view text) override;
  void PageChanged(int index, bool changed) override;

  [[nodiscard]] HWND TabControl() const;
  // A page got PSN_RESET: Cancel, Esc or the close box ends the sheet.
  void NoteCancelled() { cancelled_ = true; }

 private:
  // Runs the sheet modally, or creates it modeless; the system's result.
  INT_PTR Open(const DialogTemplate& dialogTemplate, CDialog* owner, bool modeless);
  static int CALLBACK Callback(HWND hwnd, UINT message, LPARAM lParam);

  CPropertySheet& sheet_;
  std::vector<std::vector<std::uint32_t>> pageTemplates_;
  bool cancelled_ = false;
};

}  // namespace lunda
