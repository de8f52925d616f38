// The headless backend's windows and controls: everything held in memory, the focus and the
// active window kept for the whole process, and an event loop of its own that runs the windows'
// timers. For tests only: headless_user.h plays the user.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/framework/backend/window.h"
#include "gui/framework/up_down_position.h"

namespace lunda {

class HeadlessWindow;

// A control: what every kind keeps, with the kind's operations where its template has them.
class HeadlessControl final : public Control,
                              public ItemControl,
                              public RangeControl,
                              public DateControl {
 public:
  HeadlessControl(HeadlessWindow& window, const ControlTemplate& control);

  [[nodiscard]] const ControlTemplate& Template() const { return template_; }
  [[nodiscard]] HeadlessWindow& Window() const { return window_; }
  // Whether a click or Tab can give it the focus.
  [[nodiscard]] bool TakesFocus() const;

  [[nodiscard]] std::string Text() const override;
  void SetText(std::string_view text) override;
  [[nodiscard]] bool IsEnabled() const override { return enabled_; }
  void Enable(bool enable) override { enabled_ = enable; }
  void Focus() override;
  void SetToolTip(std::string_view text) override { toolTip = text; }
  [[nodiscard]] bool IsChecked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }
  void SelectAll() override { selectedAll = true; }
  void SetBuddy(Control& buddy) override { buddy_ = static_cast<HeadlessControl*>(&buddy); }
  [[nodiscard]] HeadlessControl* Buddy() const { return buddy_; }

  [[nodiscard]] ItemControl* Items() override;
  [[nodiscard]] RangeControl* Range() override;
  [[nodiscard]] DateControl* Dates() override;

  [[nodiscard]] int Count() const override { return static_cast<int>(items_.size()); }
  [[nodiscard]] std::string ItemText(int index) const override;
  void Insert(int index, std::string_view text) override;
  void Delete(int index) override;
  [[nodiscard]] int Selection() const override { return selection_; }
  void Select(int index) override;

  void SetRange(int lower, int upper) override;
  [[nodiscard]] int Position() const override { return position_.Get(); }
  void SetPosition(int position) override;
  // The up-down's arrow in that direction, as a click or the arrow key in its buddy.
  void Step(int direction);

  [[nodiscard]] std::optional<CalendarDate> Date() const override { return date_; }
  void SetDate(const CalendarDate& date) override;
  void SetRange(const CalendarDate& first, const CalendarDate& last) override;

  // What the user would see.
  std::string toolTip;
  bool selectedAll = false;  // an edit's whole text, as it is after Tab or a program's focus
  bool droppedDown = false;  // a combo box's list

 private:
  HeadlessWindow& window_;
  ControlTemplate template_;
  std::string text_;
  bool enabled_;
  bool checked_ = false;
  HeadlessControl* buddy_ = nullptr;
  std::vector<std::string> items_;
  int selection_ = -1;
  UpDownPosition position_;
  std::optional<CalendarDate> date_;
  CalendarDate first_{1601, 1, 1};
  CalendarDate last_{9999, 12, 31};
};

class HeadlessWindow final : public DialogWindow {
 public:
  explicit HeadlessWindow(WindowHost& host);
  ~HeadlessWindow() override;
  HeadlessWindow(const HeadlessWindow&) = delete;
  HeadlessWindow& operator=(const HeadlessWindow&) = delete;

  bool Create(const DialogTemplate& dialogTemplate, DialogWindow* owner) override;
  bool CreatePage(const DialogTemplate& dialogTemplate, DialogWindow& parent,
                  const UnitRect& area) override;
  int RunModal(const DialogTemplate& dialogTemplate, DialogWindow* owner) override;
  void EndModal(int result) override;
  void Destroy() override;
  [[nodiscard]] bool Exists() const override { return exists_; }
  void Show(bool show) override { visible_ = show; }
  [[nodiscard]] bool IsVisible() const override { return exists_ && visible_; }
  [[nodiscard]] std::string Caption() const override { return template_.caption; }
  [[nodiscard]] Control* Find(int id) override { return ControlOf(id); }
  [[nodiscard]] int FocusId() const override;
  void StartTimer(int id, int periodMs) override;
  void StopTimer(int id) override { timers_.erase(id); }
  void AppendWindowMenuItem(int command, std::string_view) override {
    windowMenu_.push_back(command);
  }
  void SetIcon(int) override {}

  [[nodiscard]] WindowHost& Host() const { return host_; }
  [[nodiscard]] const DialogTemplate& Template() const { return template_; }
  [[nodiscard]] HeadlessControl* ControlOf(int id);
  [[nodiscard]] const std::vector<int>& WindowMenu() const { return windowMenu_; }
  // The window a page lies in, or the window itself.
  [[nodiscard]] HeadlessWindow& TopLevel();
  // Not while a modal window it owns runs.
  [[nodiscard]] bool TakesInput();
  // The controls Tab visits, in order: the pages' first, then the window's own.
  [[nodiscard]] std::vector<HeadlessControl*> TabStops();
  // This backend's window behind the seam.
  [[nodiscard]] static HeadlessWindow& Of(DialogWindow& window) {
    return static_cast<HeadlessWindow&>(window);
  }

  // The active window and the control with the focus, null where there is none.
  [[nodiscard]] static HeadlessWindow* Active();
  static void Activate(HeadlessWindow* window) { ActiveWindow() = window; }
  [[nodiscard]] static HeadlessControl* Focused();
  // Gives control the focus, reporting the entry while its window is shown.
  static void MoveFocus(HeadlessControl& control);

  // One round of the event loop: the timers that are due. False when there are none, so that
  // nothing could ever end a modal run.
  static bool Pump();

 private:
  struct Timer {
    std::chrono::milliseconds period;
    std::chrono::steady_clock::time_point due;
  };
  struct FocusPlace {
    HeadlessWindow* window = nullptr;
    int id = 0;
  };

  void Build(const DialogTemplate& dialogTemplate);
  static HeadlessWindow*& ActiveWindow();
  static FocusPlace& FocusedPlace();

  WindowHost& host_;
  DialogTemplate template_;
  bool exists_ = false;
  bool visible_ = false;
  std::vector<std::unique_ptr<HeadlessControl>> controls_;
  std::map<int, Timer> timers_;
  std::vector<int> windowMenu_;
  HeadlessWindow* owner_ = nullptr;
  HeadlessWindow* parent_ = nullptr;
  std::vector<HeadlessWindow*> pages_;
  int modalChildren_ = 0;
  bool running_ = false;
  std::optional<int> result_;
};

}  // namespace lunda
