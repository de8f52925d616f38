// The Win32 backend's window: a dialog that the system's dialog manager makes from an in-memory
// template, with the system's controls and common controls. The dialog manager keeps its own
// keyboard (Tab, arrows, Enter and Esc as the default command and IDCANCEL), asking the dialog
// for the default command; the window reports the rest to its WindowHost.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "gui/framework/backend/window.h"
#include "gui/framework/win32/win32_controls.h"
#include "gui/framework/win32/windows_api.h"

namespace lunda {

// Catches the page keys of the thread's dialogs before the dialog manager turns Ctrl+Tab into
// Tab (win32_page_keys.cpp); once is enough.
void FilterPageKeys();

class Win32DialogWindow final : public DialogWindow {
 public:
  explicit Win32DialogWindow(WindowHost& host) : host_(host) {}
  ~Win32DialogWindow() override { Destroy(); }
  Win32DialogWindow(const Win32DialogWindow&) = delete;
  Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

  bool Create(const DialogTemplate& dialogTemplate, DialogWindow* owner) override;
  bool CreatePage(const DialogTemplate& dialogTemplate, DialogWindow& parent,
                  const UnitRect& area) override;
  int RunModal(const DialogTemplate& dialogTemplate, DialogWindow* owner) override;
  void EndModal(int result) override;
  void Destroy() override;
  [[nodiscard]] bool Exists() const override { return hwnd_ != nullptr; }
  void Show(bool show) override;
  [[nodiscard]] bool IsVisible() const override;
  [[nodiscard]] std::string Caption() const override;

  [[nodiscard]] Control* Find(int id) override;
  [[nodiscard]] int FocusId() const override;
  void StartTimer(int id, int periodMs) override;
  void StopTimer(int id) override;
  void AppendWindowMenuItem(int command, std::string_view text) override;
  void SetIcon(int resourceId) override;

  [[nodiscard]] HWND Handle() const { return hwnd_; }
  // The window of a control, or null.
  [[nodiscard]] HWND Item(int id) const;
  // The tooltip of the window's controls, made on first use.
  [[nodiscard]] HWND ToolTipWindow();
  // This backend's window behind the seam.
  [[nodiscard]] static Win32DialogWindow& Of(DialogWindow& window) {
    return static_cast<Win32DialogWindow&>(window);
  }
  // Reports a page key to the dialog whose control has the focus; false when no dialog of the
  // program took it.
  static bool PressPageKey(HWND focus, DialogKey key);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void InitDialog(HWND hwnd);
  void DrawItem(const DRAWITEMSTRUCT& item);
  [[nodiscard]] Win32Control* ControlOf(int id) const;
  INT_PTR Result(LRESULT value);

  WindowHost& host_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
  DialogTemplate template_;
  std::vector<std::uint32_t> templateWords_;
  std::map<int, std::unique_ptr<Win32Control>> controls_;
  HWND toolTip_ = nullptr;
  std::set<int> windowMenuCommands_;
};

}  // namespace lunda
