// The Qt backend's window: a QDialog with one widget and adapter per template control. Qt has no
// dialog manager, so the window reports the dialog keys, focus entries, clicks and the close box
// to its WindowHost, and lets the host decide what they mean.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <map>
#include <memory>
#include <vector>

#include "gui/framework/backend/window.h"
#include "gui/framework/qt/qt_controls.h"

class QMenu;

namespace lunda {

class QtDialogWindow final : public DialogWindow {
 public:
  explicit QtDialogWindow(WindowHost& host) : host_(host) {}
  ~QtDialogWindow() override { Destroy(); }
  QtDialogWindow(const QtDialogWindow&) = delete;
  QtDialogWindow& operator=(const QtDialogWindow&) = delete;

  bool Create(const DialogTemplate& dialogTemplate, DialogWindow* owner) override;
  bool CreatePage(const DialogTemplate& dialogTemplate, DialogWindow& parent,
                  const UnitRect& area) override;
  int RunModal(const DialogTemplate& dialogTemplate, DialogWindow* owner) override;
  void EndModal(int result) override;
  void Destroy() override;
  [[nodiscard]] bool Exists() const override { return dialog_ != nullptr; }
  void Show(bool show) override;
  [[nodiscard]] bool IsVisible() const override { return dialog_ && dialog_->isVisible(); }
  [[nodiscard]] std::string Caption() const override;

  [[nodiscard]] Control* Find(int id) override;
  [[nodiscard]] int FocusId() const override;
  void StartTimer(int id, int periodMs) override;
  void StopTimer(int id) override;
  void AppendWindowMenuItem(int command, std::string_view text) override;
  void SetIcon(int resourceId) override;

  // The window's widget, null before it is made and after it is gone.
  [[nodiscard]] QDialog* Widget() const { return dialog_; }
  // The adapter of a control, or null.
  [[nodiscard]] QtControl* ControlOf(int id);
  // The window menu that AppendWindowMenuItem builds; null until then.
  [[nodiscard]] QMenu* WindowMenu() const { return windowMenu_; }
  // This backend's window behind the seam.
  [[nodiscard]] static QtDialogWindow& Of(DialogWindow& window) {
    return static_cast<QtDialogWindow&>(window);
  }

 private:
  friend class QtDialog;

  // Makes the widgets from the template; parent is the owner's window, or the page's parent.
  void Build(const DialogTemplate& dialogTemplate, QWidget* parent, bool page);
  // What happens to an event of one of the controls; true when it is used up.
  bool FilterControlEvent(QObject* watched, QEvent* event);
  void Report(UserAction::Kind kind, int id) { host_.Act({kind, id}); }
  [[nodiscard]] QWidget* LastTabStop() const;

  WindowHost& host_;
  DialogTemplate template_;
  QPointer<QDialog> dialog_;
  std::vector<std::unique_ptr<QtControl>> controls_;
  std::map<int, QtControl*> byId_;
  std::map<const QObject*, QtControl*> byWidget_;
  std::map<int, QPointer<QTimer>> timers_;
  QMenu* windowMenu_ = nullptr;
};

}  // namespace lunda
