// Building a window from its template, the modal run, and the events the controls report.
#include "gui/framework/qt/qt_dialog_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>

#include "gui/framework/backend/services.h"
#include "gui/framework/qt/qt_icons.h"
#include "res/ids.h"

namespace lunda {
namespace {

Qt::WindowFlags WindowFlagsFor(const DialogStyles& styles) {
  Qt::WindowFlags flags = (styles.toolWindow ? Qt::Tool : Qt::Dialog) | Qt::CustomizeWindowHint;
  if (styles.caption) flags |= Qt::WindowTitleHint;
  if (styles.sysMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (styles.minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
  return flags;
}

// Ctrl with Tab or PageDown, and with Shift+Tab (which comes as Backtab) or PageUp.
std::optional<DialogKey> PageKeyOf(int key, bool shift) {
  if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && shift)) return DialogKey::kPreviousPage;
  if (shift) return std::nullopt;
  if (key == Qt::Key_Tab || key == Qt::Key_PageDown) return DialogKey::kNextPage;
  if (key == Qt::Key_PageUp) return DialogKey::kPreviousPage;
  return std::nullopt;
}

// Enter (also on the keypad), Esc and F1 alone, and the page keys; any other key is the
// controls' own.
std::optional<DialogKey> DialogKeyOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
    return PageKeyOf(event.key(), modifiers.testFlag(Qt::ShiftModifier));
  }
  if (modifiers != Qt::NoModifier) return std::nullopt;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return DialogKey::kEnter;
    case Qt::Key_Escape:
      return DialogKey::kEscape;
    case Qt::Key_F1:
      return DialogKey::kF1;
    default:
      return std::nullopt;
  }
}

}  // namespace

// The QDialog of a window: it hands what happens to it to its QtDialogWindow.
class QtDialog final : public QDialog {
 public:
  explicit QtDialog(QtDialogWindow& window) : window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    return window_.FilterControlEvent(watched, event) || QDialog::eventFilter(watched, event);
  }
  // Qt's default buttons never see Enter: it is the dialog's, as Esc and F1 are. One that gets
  // here no control used (a read-only edit passes on the Enter it keeps), and it goes no further.
  void keyPressEvent(QKeyEvent* event) override {
    if (const std::optional<DialogKey> key = DialogKeyOf(*event)) {
      window_.host_.PressKey(*key);
    } else {
      QDialog::keyPressEvent(event);
    }
  }
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    window_.Report(UserAction::Kind::kClose, 0);
  }
  void contextMenuEvent(QContextMenuEvent* event) override {
    if (window_.windowMenu_ == nullptr) return QDialog::contextMenuEvent(event);
    window_.windowMenu_->popup(event->globalPos());
    event->accept();
  }
  // Whatever else of Qt's asks the dialog to accept or reject asks as Enter and Esc would.
  void accept() override { window_.host_.PressKey(DialogKey::kEnter); }
  void reject() override { window_.host_.PressKey(DialogKey::kEscape); }

 private:
  QtDialogWindow& window_;
};

std::unique_ptr<DialogWindow> CreateDialogWindow(WindowHost& host) {
  return std::make_unique<QtDialogWindow>(host);
}

bool QtDialogWindow::Create(const DialogTemplate& dialogTemplate, DialogWindow* owner) {
  Build(dialogTemplate, owner ? Of(*owner).Widget() : nullptr, false);
  host_.InitDialog();
  return true;
}

bool QtDialogWindow::CreatePage(const DialogTemplate& dialogTemplate, DialogWindow& parent,
                                const UnitRect& area) {
  QtDialogWindow& parentWindow = Of(parent);
  Build(dialogTemplate, parentWindow.Widget(), true);
  dialog_->setGeometry(DialogUnits(parentWindow.Widget()->font()).ToPixels(area));
  dialog_->raise();
  // Tab goes from the parent's last control into the page, and from the page to its first.
  if (QWidget* last = parentWindow.LastTabStop()) QWidget::setTabOrder(last, dialog_);
  host_.InitDialog();
  return true;
}

int QtDialogWindow::RunModal(const DialogTemplate& dialogTemplate, DialogWindow* owner) {
  if (!Create(dialogTemplate, owner)) return -1;
  // As a classic modal dialog disables its owner and nothing else: windows without an owner,
  // such as the help window, stay usable beside it.
  dialog_->setWindowModality(Qt::WindowModal);
  return dialog_->exec();
}

void QtDialogWindow::EndModal(int result) {
  if (dialog_) dialog_->done(result);
}

void QtDialogWindow::Destroy() {
  controls_.clear();
  byId_.clear();
  byWidget_.clear();
  timers_.clear();
  windowMenu_ = nullptr;
  delete dialog_;  // a page's goes with its parent's, which leaves this null
}

void QtDialogWindow::Show(bool show) {
  if (dialog_) dialog_->setVisible(show);
}

std::string QtDialogWindow::Caption() const {
  return dialog_ ? dialog_->windowTitle().toStdString() : std::string();
}

void QtDialogWindow::Build(const DialogTemplate& dialogTemplate, QWidget* parent, bool page) {
  Destroy();
  template_ = dialogTemplate;
  dialog_ = new QtDialog(*this);
  const QFont font = DialogFont(template_.fontFace, template_.fontPoints);
  dialog_->setFont(font);
  const DialogUnits units(font);
  if (page) {
    dialog_->setParent(parent, Qt::Widget);
    dialog_->resize(units.ToPixels(template_.width, template_.height));
  } else {
    dialog_->setParent(parent, WindowFlagsFor(template_.styles));
    dialog_->setFixedSize(units.ToPixels(template_.width, template_.height));
    // An empty title would let Qt put the application's name there.
    dialog_->setWindowTitle(template_.caption.empty() ? QStringLiteral(" ")
                                                      : FromUtf8(template_.caption));
  }
  QWidget* previousTabStop = nullptr;
  QButtonGroup* radioGroup = nullptr;
  for (const ControlTemplate& c : template_.controls) {
    std::unique_ptr<QtControl> control = MakeQtControl(c, *dialog_, host_, units);
    QWidget* widget = control->Widget();
    widget->installEventFilter(dialog_);
    // A radio group runs from a radio button with the group style, or the first after another
    // kind of control, to the last radio button before the next group.
    const bool radio = c.kind == ControlKind::kRadioButton;
    if (radio && (c.styles.group || !radioGroup)) radioGroup = new QButtonGroup(dialog_);
    if (!radio) radioGroup = nullptr;
    if (radioGroup) radioGroup->addButton(static_cast<QAbstractButton*>(widget));
    if (widget->focusPolicy() & Qt::TabFocus) {
      if (previousTabStop) QWidget::setTabOrder(previousTabStop, widget);
      previousTabStop = widget;
    }
    if (c.id != -1) byId_.emplace(c.id, control.get());
    byWidget_.emplace(widget, control.get());
    controls_.push_back(std::move(control));
  }
}

QWidget* QtDialogWindow::LastTabStop() const {
  for (auto it = template_.controls.rbegin(); it != template_.controls.rend(); ++it) {
    const auto found = byId_.find(it->id);
    if (it->styles.tabStop && found != byId_.end()) return found->second->Widget();
  }
  return nullptr;
}

bool QtDialogWindow::FilterControlEvent(QObject* watched, QEvent* event) {
  const auto found = byWidget_.find(watched);
  if (found == byWidget_.end()) return false;
  const QtControl& control = *found->second;
  switch (event->type()) {
    case QEvent::KeyPress: {
      const std::optional<DialogKey> key = DialogKeyOf(*static_cast<QKeyEvent*>(event));
      return key && host_.PressKey(*key);
    }
    case QEvent::FocusIn: {
      // Focus given back by window activation or a closed pop-up is no entry of the user's.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (control.Id() != -1 && reason != Qt::ActiveWindowFocusReason &&
          reason != Qt::PopupFocusReason) {
        Report(UserAction::Kind::kFocusIn, control.Id());
      }
      return false;
    }
    case QEvent::MouseButtonPress:
      // Qt gives the focus before it delivers the click that took it.
      return control.Kind() == ControlKind::kComboBox && !host_.MayDropDown(control.Id());
    default:
      return false;
  }
}

Control* QtDialogWindow::Find(int id) { return ControlOf(id); }

QtControl* QtDialogWindow::ControlOf(int id) {
  const auto found = byId_.find(id);
  return dialog_ && found != byId_.end() ? found->second : nullptr;
}

int QtDialogWindow::FocusId() const {
  if (!dialog_) return 0;
  for (const QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
    const auto found = byWidget_.find(w);
    if (found != byWidget_.end() && found->second->Id() != -1) return found->second->Id();
  }
  return 0;
}

void QtDialogWindow::StartTimer(int id, int periodMs) {
  if (!dialog_) return;
  QPointer<QTimer>& timer = timers_[id];
  if (timer == nullptr) {
    timer = new QTimer(dialog_);
    QObject::connect(timer, &QTimer::timeout, dialog_,
                     [this, id] { Report(UserAction::Kind::kTimer, id); });
  }
  timer->start(periodMs);
}

void QtDialogWindow::StopTimer(int id) {
  if (const auto it = timers_.find(id); it != timers_.end() && it->second) it->second->stop();
}

void QtDialogWindow::AppendWindowMenuItem(int command, std::string_view text) {
  if (!dialog_) return;
  // The platform's window menu cannot be extended from Qt, so the window offers its own on a
  // right click on its background and on Alt+Space (which many window managers keep for their
  // own menu, so the right click is the sure way).
  if (windowMenu_ == nullptr) {
    windowMenu_ = new QMenu(dialog_);
    QDialog* dialog = dialog_;
    windowMenu_->addAction(FromUtf8(LoadString(ids::strings::kWindowMenuMinimize)), dialog,
                           [dialog] { dialog->showMinimized(); });
    windowMenu_->addAction(FromUtf8(LoadString(ids::strings::kWindowMenuClose)), dialog,
                           [this] { Report(UserAction::Kind::kClose, 0); });
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), dialog_);
    QObject::connect(shortcut, &QShortcut::activated, dialog_,
                     [this] { windowMenu_->popup(dialog_->mapToGlobal(QPoint(0, 0))); });
  }
  windowMenu_->addSeparator();
  QAction* action = windowMenu_->addAction(
      FromUtf8(text), dialog_, [this, command] { Report(UserAction::Kind::kWindowMenu, command); });
  action->setData(command);
}

void QtDialogWindow::SetIcon(int resourceId) {
  if (dialog_) dialog_->setWindowIcon(LoadQtIcon(resourceId));
}

}  // namespace lunda
