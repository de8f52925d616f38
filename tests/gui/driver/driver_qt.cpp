// The GUI driver on Qt: QTest events sent to the widgets of the Qt backend.
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>
#include <QToolTip>
#include <utility>

#include "gui/framework/qt/qt_dialog_window.h"
#include "gui/framework/qt/qt_widgets.h"
#include "gui_driver.h"

namespace lunda::test {
namespace {

QtDialogWindow& WindowOf(const CDialog& dialog) { return QtDialogWindow::Of(dialog.Window()); }

QWidget* ControlOf(const CDialog& dialog, int id) {
  const QtControl* control = WindowOf(dialog).ControlOf(id);
  return control ? control->Widget() : nullptr;
}

// Where a scrolling control takes the pointer.
QWidget* PointerTarget(const CDialog& dialog, int id) {
  const QtControl* control = WindowOf(dialog).ControlOf(id);
  return control ? control->PointerTarget() : nullptr;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  return QTest::qWaitFor(condition, timeoutMs);
}

bool ShowActive(CDialog& dialog) {
  QWidget& window = *WindowOf(dialog).Widget();
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

bool IsActive(const CDialog& dialog) {
  const QWidget* window = WindowOf(dialog).Widget();
  if (window == nullptr) return false;
  // A tool window (the progress dialog) is shown without being activated.
  const bool tool = (window->windowFlags() & Qt::WindowType_Mask) == Qt::Tool;
  return window->isVisible() && (tool || QApplication::activeWindow() == window);
}

void Click(CDialog& dialog, int id) {
  QWidget* target = PointerTarget(dialog, id);
  // A window-modal dialog blocks the windows that own it, as the window system would.
  const QWidget* modal = QApplication::activeModalWidget();
  for (const QWidget* owner = modal ? modal->parentWidget() : nullptr; owner;
       owner = owner->parentWidget()) {
    if (owner->window() == target->window()) return;
  }
  QTest::mouseClick(target, Qt::LeftButton);
}

void ClickRow(CDialog& dialog, int listId, int row, Clicks clicks) {
  auto& list = *qobject_cast<QListWidget*>(ControlOf(dialog, listId));
  const QPoint at = list.visualItemRect(list.item(row)).center();
  const bool control = clicks == Clicks::kWithControl;
  QTest::mouseClick(list.viewport(), Qt::LeftButton, control ? Qt::ControlModifier : Qt::NoModifier,
                    at);
  if (clicks == Clicks::kTwice) QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

void ClickArrow(CDialog& dialog, int upDownId, int direction) {
  const Qt::ArrowType arrow = direction > 0 ? Qt::UpArrow : Qt::DownArrow;
  for (QToolButton* button : ControlOf(dialog, upDownId)->findChildren<QToolButton*>()) {
    if (button->arrowType() == arrow) QTest::mouseClick(button, Qt::LeftButton);
  }
}

void ClickTab(CDialog& sheet, int index) {
  QTabBar& tabs = static_cast<QtTabControl*>(ControlOf(sheet, kIdSheetTabs))->Tabs();
  QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(index).center());
}

void Type(CDialog& dialog, int id, std::string_view text) {
  QWidget* edit = ControlOf(dialog, id);
  Click(dialog, id);
  dialog.Item(id).SelectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  for (const QChar c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) {
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

void Press(Key key) {
  constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
  static const std::pair<Qt::Key, Qt::KeyboardModifiers> kKeys[] = {
      {Qt::Key_Tab, {}},         {Qt::Key_Return, {}},
      {Qt::Key_Escape, {}},      {Qt::Key_Up, {}},
      {Qt::Key_Down, {}},        {Qt::Key_End, {}},
      {Qt::Key_F1, {}},          {Qt::Key_Space, kCtrl},
      {Qt::Key_Tab, kCtrl},      {Qt::Key_Backtab, kCtrl | Qt::ShiftModifier},
      {Qt::Key_PageDown, kCtrl}, {Qt::Key_PageUp, kCtrl}};
  QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr) focus = QApplication::activeWindow();
  // Between one modal dialog's end and the next one's activation (slow on a busy machine) no
  // window is active; the key then goes to the modal dialog on top, as the keyboard's would.
  if (focus == nullptr) focus = QApplication::activeModalWidget();
  const auto& [code, modifiers] = kKeys[static_cast<int>(key)];
  QTest::keyClick(focus, code, modifiers);
}

void CloseBox(CDialog& dialog) { WindowOf(dialog).Widget()->close(); }

void ChooseWindowMenuItem(CDialog& dialog, int command) {
  QtDialogWindow& window = WindowOf(dialog);
  // Opened as the user opens it, by a right click on the window's background.
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                          window.Widget()->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(window.Widget(), &click);
  QMenu* menu = window.WindowMenu();
  if (menu == nullptr) return;
  static_cast<void>(QTest::qWaitFor([menu] { return menu->isVisible(); }));
  menu->hide();
  for (QAction* action : menu->actions()) {
    if (action->data().toInt() == command) action->trigger();
  }
}

bool IsDroppedDown(CDialog& dialog, int id) {
  auto* combo = qobject_cast<QComboBox*>(ControlOf(dialog, id));
  return combo && combo->view()->isVisible();
}

std::string SelectedText(CDialog& dialog, int id) {
  auto* line = qobject_cast<QLineEdit*>(ControlOf(dialog, id));
  return line ? line->selectedText().toStdString() : std::string();
}

std::string ToolTip(CDialog& dialog, int id) {
  QWidget* control = PointerTarget(dialog, id);
  QHelpEvent hover(QEvent::ToolTip, QPoint(3, 3), control->mapToGlobal(QPoint(3, 3)));
  QApplication::sendEvent(control, &hover);
  if (!QToolTip::isVisible()) return {};
  QTextDocument document;
  document.setHtml(QToolTip::text());
  // Gone before the next reading: a tip still fading out would stand for a control without one.
  QToolTip::hideText();
  static_cast<void>(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
  return document.toPlainText()
      .replace(QChar(0x2028), QLatin1Char(' '))
      .replace(QLatin1Char('\n'), QLatin1Char(' '))
      .toStdString();
}

bool CanScrollVertically(CDialog& dialog, int id) {
  auto* area = qobject_cast<QAbstractScrollArea*>(ControlOf(dialog, id));
  return area && area->verticalScrollBar()->isVisible() &&
         area->verticalScrollBar()->maximum() > 0 && !area->horizontalScrollBar()->isVisible();
}

}  // namespace lunda::test
