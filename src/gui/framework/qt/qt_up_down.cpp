// The up-down control: buttons, position and buddy arrow keys.
#include "gui/framework/qt/qt_up_down.h"

#include <QEvent>
#include <QKeyEvent>
#include <QToolButton>

namespace lunda {

QtUpDown::QtUpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  for (QToolButton* button : {up_, down_}) {
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void QtUpDown::SetBuddy(QWidget* buddy) {
  if (buddy_) buddy_->removeEventFilter(this);
  buddy_ = buddy;
  if (buddy_) buddy_->installEventFilter(this);
}

void QtUpDown::Step(int direction) {
  if (isEnabled())
    position_.Step(direction, [this](int d) { return !stepHandler_ || stepHandler_(d); });
}

bool QtUpDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched == buddy_ && arrowKeys_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Step(key == Qt::Key_Up ? +1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void QtUpDown::resizeEvent(QResizeEvent* event) {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
  QWidget::resizeEvent(event);
}

}  // namespace lunda
