// An up-down (spin) control: two arrow buttons that report steps without touching any field.
#pragma once

#include <QWidget>
#include <functional>

#include "gui/framework/up_down_position.h"

class QToolButton;

namespace lunda {

// Asks its step handler before its own position moves; unlike QSpinBox it never writes into its
// buddy, so the owning dialog decides what a step means.
class QtUpDown : public QWidget {
  Q_OBJECT

 public:
  explicit QtUpDown(QWidget* parent = nullptr);

  // With lower <= upper the up arrow steps by +1, otherwise by -1.
  void SetRange(int lower, int upper) { position_.SetRange(lower, upper); }
  void SetPos(int pos) { position_.Set(pos); }
  [[nodiscard]] int Pos() const { return position_.Get(); }
  // When the control has the arrow-keys style, Up and Down pressed in the buddy step it.
  void SetBuddy(QWidget* buddy);
  void SetArrowKeys(bool arrowKeys) { arrowKeys_ = arrowKeys; }
  // Gets every step's delta, at the limits too; false keeps the position.
  void SetStepHandler(std::function<bool(int delta)> handler) { stepHandler_ = std::move(handler); }
  // Steps as one press of the up (+1) or down (-1) arrow.
  void Step(int direction);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
  QWidget* buddy_ = nullptr;
  bool arrowKeys_ = false;
  std::function<bool(int delta)> stepHandler_;
  UpDownPosition position_;
};

}  // namespace lunda
