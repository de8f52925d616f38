// The Win32 backend's dialog window: a system dialog made by the dialog manager from an
// in-memory template, with the system's controls and common controls.
#pragma once

#include <cstdint>
#include <set>
#include <vector>

#include "gui/framework/backend.h"
#include "gui/framework/dialog_template.h"
#include "gui/framework/win32/windows_api.h"

namespace lunda {

class Win32DialogWindow : public virtual DialogWindow {
 public:
  explicit Win32DialogWindow(CDialog& host) : host_(host) {}
  ~Win32DialogWindow() override;
  Win32DialogWindow(const Win32DialogWindow&) = delete;
  Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

  int RunModal(const DialogTemplate& dialogTemplate, CDialog* owner) override;
  bool CreateModeless(const DialogTemplate& dialogTemplate, CDialog* owner) override;
  void End(int result) override;
  [[nodiscard]] bool Exists() const override { return hwnd_ != nullptr; }
  [[nodiscard]] bool IsVisible() const override;
  [[nodiscard]] std::string Caption() const override;

  [[nodiscard]] bool HasControl(int id) const override { return Item(id) != nullptr; }
  [[nodiscard]] std::string Text(int id) const override;
  void SetText(int id, std::string_view text) override;
  [[nodiscard]] bool IsEnabled(int id) const override;
  void Enable(int id, bool enable) override;
  [[nodiscard]] bool IsChecked(int id) const override;
  void SetChecked(int id, bool checked) override;
  [[nodiscard]] int FocusId() const override;
  void Focus(int id) override;
  void SelectText(int id) override;

  [[nodiscard]] int ItemCount(int id) const override;
  [[nodiscard]] std::string ItemText(int id, int index) const override;
  void InsertItem(int id, int index, std::string_view text) override;
  void DeleteItem(int id, int index) override;
  [[nodiscard]] int Selection(int id) const override;
  void Select(int id, int index) override;

  void SetRange(int id, int lower, int upper) override;
  [[nodiscard]] int Position(int id) const override;
  void SetPosition(int id, int position) override;
  void SetBuddy(int upDownId, int buddyId) override;

  [[nodiscard]] std::optional<CalendarDate> Date(int id) const override;
  void SetDate(int id, const CalendarDate& date) override;
  void SetDateRange(int id, const CalendarDate& first, const CalendarDate& last) override;

  void StartTimer(int id, int periodMs) override;
  void StopTimer(int id) override;
  void AddToolTip(int id, std::string_view text) override;
  void AppendWindowMenuItem(int command, std::string_view text) override;
  void SetIcon(int resourceId) override;
  void Redraw(int id) override;

  [[nodiscard]] HWND Handle() const { return hwnd_; }
  // The control's window, or null (also for -1, the unnamed statics).
  [[nodiscard]] HWND Item(int id) const;
  [[nodiscard]] HWND ToolTipWindow() const { return toolTip_; }
  [[nodiscard]] CDialog& Host() const { return host_; }
  // The window of a dialog of this backend.
  [[nodiscard]] static Win32DialogWindow& Of(const CDialog& dialog);

  // A page's window, which the system's property sheet creates from this template.
  [[nodiscard]] const std::vector<std::uint32_t>& PrepareAsPage(const DialogTemplate& t);
  static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  void Attach(HWND hwnd) { hwnd_ = hwnd; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR InitDialog(HWND hwnd);
  void HandleCommand(int id, int code);
  INT_PTR HandleNotify(const NMHDR& header);
  // The page notifications of the property sheet; false when the message was none of them.
  bool HandlePageNotify(const NMHDR& header, LRESULT& result);
  void DrawItem(const DRAWITEMSTRUCT& item);
  void ShowHelp();
  [[nodiscard]] ControlKind KindOf(int id) const;
  void Dispatch(WindowEvent::Kind kind, int id);
  INT_PTR Result(LRESULT value);

  CDialog& host_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
  DialogTemplate template_;
  std::vector<std::uint32_t> templateWords_;
  HWND toolTip_ = nullptr;
  std::set<int> windowMenuCommands_;
};

}  // namespace lunda
