// The Qt backend's dialog window: a QDialog with one widget per template control, and the classic
// dialog keyboard that Qt does not have: Enter runs the default command unless a push button or a
// want-return edit has the focus, Esc runs 2, F1 runs 9 (Help) where the window has an enabled
// Help button, and inside a property page they go to the sheet.
#pragma once

#include <QDialog>
#include <QHash>
#include <map>

#include "gui/framework/backend.h"
#include "gui/framework/dialog_template.h"

class QMenu;
class QTimer;

namespace lunda {

class QtToolTips;

class QtDialogWindow : public QDialog, public virtual DialogWindow {
  Q_OBJECT

 public:
  explicit QtDialogWindow(CDialog& host);
  ~QtDialogWindow() override;

  int RunModal(const DialogTemplate& dialogTemplate, CDialog* owner) override;
  bool CreateModeless(const DialogTemplate& dialogTemplate, CDialog* owner) override;
  void End(int result) override;
  [[nodiscard]] bool Exists() const override { return built_; }
  [[nodiscard]] bool IsVisible() const override { return isVisible(); }
  [[nodiscard]] std::string Caption() const override;

  [[nodiscard]] bool HasControl(int id) const override { return Control(id) != nullptr; }
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

  // Builds the controls as a page inside parent, placed at its origin, and initialises them.
  bool CreateAsPage(const DialogTemplate& dialogTemplate, QWidget* parent);
  // The widget of a control, or null (also for -1, the unnamed statics).
  [[nodiscard]] QWidget* Control(int id) const { return controlsById_.value(id); }
  [[nodiscard]] int ControlId(const QObject* control) const {
    return idsByControl_.value(control, -1);
  }
  [[nodiscard]] CDialog& Host() const { return host_; }
  // The window menu that AppendWindowMenuItem builds; null until then.
  [[nodiscard]] QMenu* WindowMenu() const { return windowMenu_; }
  // The window of a dialog of this backend.
  [[nodiscard]] static QtDialogWindow& Of(const CDialog& dialog);

 protected:
  // A command of this window's controls or keys; the sheet takes its own buttons' here.
  virtual void OnWindowCommand(int id);
  // The modal loop, which disables the owner's window only.
  int ExecModal();
  // Builds the controls from the template; parent is the owner's window, or the page area.
  bool Build(const DialogTemplate& dialogTemplate, QWidget* parent, bool page);
  void Dispatch(WindowEvent::Kind kind, int id);

  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void accept() override;
  void reject() override;

 private:
  void RegisterControl(QWidget* widget, const ControlTemplate& control);
  void Initialise();
  void SetInitialFocus();
  // Handles Enter and Esc for the focused control; true when the key was used.
  bool HandleDialogKey(QObject* target, const QKeyEvent* event);
  // The top-level window, which takes Enter and Esc: the sheet for a page.
  QtDialogWindow& CommandTarget();

  CDialog& host_;
  DialogTemplate template_;
  bool built_ = false;
  QHash<int, QWidget*> controlsById_;
  QHash<const QObject*, int> idsByControl_;
  QHash<const QObject*, const ControlTemplate*> templatesByControl_;
  std::map<int, QTimer*> timers_;
  QtToolTips* toolTips_ = nullptr;
  QMenu* windowMenu_ = nullptr;
  // The control whose focus entry its handler just refused, until the click that gave it.
  const QObject* refusedEntry_ = nullptr;
};

}  // namespace lunda
