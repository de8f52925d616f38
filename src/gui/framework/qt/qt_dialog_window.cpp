// Building a dialog from its template, the modal run, the controls and the dialog keyboard.
#include "gui/framework/qt/qt_dialog_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

#include "gui/framework/dialog.h"
#include "gui/framework/qt/qt_control_factory.h"
#include "gui/framework/qt/qt_control_text.h"
#include "gui/framework/qt/qt_dialog_units.h"
#include "gui/framework/qt/qt_icons.h"
#include "gui/framework/qt/qt_tool_tips.h"
#include "gui/framework/qt/qt_up_down.h"

namespace lunda {
namespace {

bool IsEnterKey(const QKeyEvent* event) {
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

Qt::WindowFlags WindowFlagsFor(const DialogStyles& styles) {
  Qt::WindowFlags flags = (styles.toolWindow ? Qt::Tool : Qt::Dialog) | Qt::CustomizeWindowHint;
  if (styles.caption) flags |= Qt::WindowTitleHint;
  if (styles.sysMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (styles.minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
  return flags;
}

QDate ToQDate(const CalendarDate& date) { return QDate(date.year, date.month, date.day); }

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::unique_ptr<DialogWindow> CreateDialogWindow(CDialog& dialog) {
  return std::make_unique<QtDialogWindow>(dialog);
}

QtDialogWindow::QtDialogWindow(CDialog& host) : host_(host) {}

QtDialogWindow::~QtDialogWindow() = default;

QtDialogWindow& QtDialogWindow::Of(const CDialog& dialog) {
  return dynamic_cast<QtDialogWindow&>(dialog.Window());
}

int QtDialogWindow::RunModal(const DialogTemplate& dialogTemplate, CDialog* owner) {
  if (!CreateModeless(dialogTemplate, owner)) return -1;
  return ExecModal();
}

int QtDialogWindow::ExecModal() {
  // As a classic modal dialog disables its owner and nothing else: windows without an owner,
  // such as the help window, stay usable beside it.
  setWindowModality(Qt::WindowModal);
  return exec();
}

bool QtDialogWindow::CreateModeless(const DialogTemplate& dialogTemplate, CDialog* owner) {
  if (!built_) {
    QWidget* parent = owner ? &Of(*owner) : nullptr;
    if (!Build(dialogTemplate, parent, false)) return false;
  }
  Initialise();
  return true;
}

bool QtDialogWindow::CreateAsPage(const DialogTemplate& dialogTemplate, QWidget* parent) {
  if (!built_ && !Build(dialogTemplate, parent, true)) return false;
  // Placed explicitly, as QDialog would otherwise centre the page over the sheet when shown.
  move(0, 0);
  Initialise();
  return true;
}

void QtDialogWindow::Initialise() {
  if (host_.HandleInitDialog()) SetInitialFocus();
}

void QtDialogWindow::End(int result) { done(result); }

std::string QtDialogWindow::Caption() const { return windowTitle().toStdString(); }

bool QtDialogWindow::Build(const DialogTemplate& dialogTemplate, QWidget* parent, bool page) {
  template_ = dialogTemplate;
  const QFont font = DialogFont(template_.fontFace, template_.fontPoints);
  setFont(font);
  const DialogUnits units(font);
  if (page) {
    setParent(parent, Qt::Widget);
    resize(units.ToPixels(template_.width, template_.height));
  } else {
    setParent(parent, WindowFlagsFor(template_.styles));
    setFixedSize(units.ToPixels(template_.width, template_.height));
    // An empty title would let Qt put the application's name there.
    setWindowTitle(template_.caption.empty() ? QStringLiteral(" ")
                                             : QString::fromStdString(template_.caption));
  }
  QWidget* previousTabStop = nullptr;
  QButtonGroup* radioGroup = nullptr;
  for (const ControlTemplate& c : template_.controls) {
    QWidget* widget = CreateControl(c, this, host_);
    ApplyControlTemplate(widget, c, units);
    RegisterControl(widget, c);
    // A radio group runs from a radio button with the group style, or the first after another
    // kind of control, to the last radio button before the next group.
    auto* radio = qobject_cast<QRadioButton*>(widget);
    if (radio && (c.styles.group || !radioGroup)) radioGroup = new QButtonGroup(this);
    if (!radio) radioGroup = nullptr;
    if (radioGroup) radioGroup->addButton(radio);
    if (widget->focusPolicy() & Qt::TabFocus) {
      if (previousTabStop) QWidget::setTabOrder(previousTabStop, widget);
      previousTabStop = widget;
    }
  }
  built_ = true;
  return true;
}

void QtDialogWindow::RegisterControl(QWidget* widget, const ControlTemplate& control) {
  if (control.id != -1 && !controlsById_.contains(control.id)) {
    controlsById_.insert(control.id, widget);
  }
  idsByControl_.insert(widget, control.id);
  templatesByControl_.insert(widget, &control);
  widget->installEventFilter(this);
  const int id = control.id;
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    connect(button, &QAbstractButton::clicked, this, [this, id] { OnWindowCommand(id); });
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    connect(list, &QListWidget::itemSelectionChanged, this,
            [this, id] { Dispatch(WindowEvent::Kind::kSelChange, id); });
    connect(list, &QListWidget::itemDoubleClicked, this,
            [this, id] { Dispatch(WindowEvent::Kind::kDoubleClick, id); });
  } else if (auto* upDown = qobject_cast<QtUpDown*>(widget)) {
    upDown->SetStepHandler([this, id](int delta) { return host_.HandleDeltaPos(id, delta); });
  }
}

void QtDialogWindow::SetInitialFocus() {
  for (const ControlTemplate& c : template_.controls) {
    QWidget* widget = Control(c.id);
    if (widget && c.styles.tabStop && widget->isEnabled()) {
      widget->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

void QtDialogWindow::Dispatch(WindowEvent::Kind kind, int id) { host_.HandleEvent({kind, id}); }

void QtDialogWindow::OnWindowCommand(int id) { Dispatch(WindowEvent::Kind::kCommand, id); }

QtDialogWindow& QtDialogWindow::CommandTarget() {
  auto* top = dynamic_cast<QtDialogWindow*>(window());
  return top ? *top : *this;
}

bool QtDialogWindow::HandleDialogKey(QObject* target, const QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    // F1 asks for the help of the window it is pressed in: its Help button, where it has one.
    QtDialogWindow& top = CommandTarget();
    const QWidget* help = top.Control(kIdHelp);
    if (help && help->isEnabled()) top.OnWindowCommand(kIdHelp);
    return help != nullptr;
  }
  const bool enter = IsEnterKey(event);
  if ((!enter && event->key() != Qt::Key_Escape) ||
      (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
    return false;
  }
  QtDialogWindow& top = CommandTarget();
  if (!enter) {
    top.OnWindowCommand(kIdCancel);
    return true;
  }
  if (auto* button = qobject_cast<QPushButton*>(target)) {
    button->click();
    return true;
  }
  const ControlTemplate* control = templatesByControl_.value(target);
  if (control && control->styles.wantReturn) {
    // A read-only edit would pass the key on to the dialog; it is swallowed here instead.
    const auto* edit = qobject_cast<const QPlainTextEdit*>(target);
    return edit == nullptr || edit->isReadOnly();
  }
  const int id = top.template_.DefaultCommandId();
  const QWidget* defaultButton = top.Control(id);
  if (!defaultButton || defaultButton->isEnabled()) top.OnWindowCommand(id);
  return true;
}

bool QtDialogWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      HandleDialogKey(watched, static_cast<QKeyEvent*>(event))) {
    return true;
  }
  if (event->type() == QEvent::FocusIn) {
    // Focus restored by window activation or a closed pop-up is no entry of the user's.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      Dispatch(WindowEvent::Kind::kFocusIn, ControlId(watched));
      // Qt gives the focus before it delivers the click that took it; a handler that sent the
      // focus elsewhere (a refused field) must not see that click open a drop-down list.
      const bool refused = QApplication::focusWidget() != watched;
      refusedEntry_ = refused && reason == Qt::MouseFocusReason ? watched : nullptr;
    }
  }
  if (event->type() == QEvent::MouseButtonPress && watched == refusedEntry_) {
    refusedEntry_ = nullptr;
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void QtDialogWindow::keyPressEvent(QKeyEvent* event) {
  if (!HandleDialogKey(this, event)) QDialog::keyPressEvent(event);
}

void QtDialogWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  Dispatch(WindowEvent::Kind::kClose, 0);
}

void QtDialogWindow::contextMenuEvent(QContextMenuEvent* event) {
  if (windowMenu_ == nullptr) return QDialog::contextMenuEvent(event);
  windowMenu_->popup(event->globalPos());
  event->accept();
}

void QtDialogWindow::accept() { OnWindowCommand(kIdOk); }

void QtDialogWindow::reject() { OnWindowCommand(kIdCancel); }

std::string QtDialogWindow::Text(int id) const { return GetControlText(Control(id)).toStdString(); }

void QtDialogWindow::SetText(int id, std::string_view text) {
  if (QWidget* control = Control(id)) SetControlText(control, FromUtf8(text));
}

bool QtDialogWindow::IsEnabled(int id) const {
  const QWidget* control = Control(id);
  return control != nullptr && control->isEnabled();
}

void QtDialogWindow::Enable(int id, bool enable) {
  if (QWidget* control = Control(id)) control->setEnabled(enable);
}

bool QtDialogWindow::IsChecked(int id) const {
  const auto* button = qobject_cast<const QAbstractButton*>(Control(id));
  return button != nullptr && button->isChecked();
}

void QtDialogWindow::SetChecked(int id, bool checked) {
  auto* button = qobject_cast<QAbstractButton*>(Control(id));
  if (!button) return;
  const QSignalBlocker blocker(button);
  // An exclusive group refuses to uncheck its checked button.
  QButtonGroup* group = button->group();
  if (group) group->setExclusive(false);
  button->setChecked(checked);
  if (group) group->setExclusive(true);
}

int QtDialogWindow::FocusId() const {
  const QWidget* focus = QApplication::focusWidget();
  for (const QWidget* w = focus; w != nullptr; w = w->parentWidget()) {
    const int id = ControlId(w);
    if (id != -1) return id;
  }
  return 0;
}

void QtDialogWindow::Focus(int id) {
  if (QWidget* control = Control(id)) control->setFocus(Qt::OtherFocusReason);
}

void QtDialogWindow::SelectText(int id) {
  if (auto* line = qobject_cast<QLineEdit*>(Control(id))) line->selectAll();
  if (auto* edit = qobject_cast<QPlainTextEdit*>(Control(id))) edit->selectAll();
}

int QtDialogWindow::ItemCount(int id) const {
  if (auto* list = qobject_cast<QListWidget*>(Control(id))) return list->count();
  if (auto* combo = qobject_cast<QComboBox*>(Control(id))) return combo->count();
  return 0;
}

std::string QtDialogWindow::ItemText(int id, int index) const {
  if (auto* list = qobject_cast<QListWidget*>(Control(id))) {
    const QListWidgetItem* item = list->item(index);
    return item ? item->text().toStdString() : std::string();
  }
  if (auto* combo = qobject_cast<QComboBox*>(Control(id))) {
    return combo->itemText(index).toStdString();
  }
  return {};
}

void QtDialogWindow::InsertItem(int id, int index, std::string_view text) {
  if (auto* list = qobject_cast<QListWidget*>(Control(id))) {
    const QSignalBlocker blocker(list);
    list->insertItem(index < 0 ? list->count() : index, FromUtf8(text));
  } else if (auto* combo = qobject_cast<QComboBox*>(Control(id))) {
    const QSignalBlocker blocker(combo);
    combo->insertItem(index < 0 ? combo->count() : index, FromUtf8(text));
  }
}

void QtDialogWindow::DeleteItem(int id, int index) {
  if (auto* list = qobject_cast<QListWidget*>(Control(id))) {
    const QSignalBlocker blocker(list);
    delete list->takeItem(index);
  } else if (auto* combo = qobject_cast<QComboBox*>(Control(id))) {
    const QSignalBlocker blocker(combo);
    combo->removeItem(index);
  }
}

int QtDialogWindow::Selection(int id) const {
  if (auto* list = qobject_cast<QListWidget*>(Control(id))) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
  }
  if (auto* combo = qobject_cast<QComboBox*>(Control(id))) return combo->currentIndex();
  return -1;
}

void QtDialogWindow::Select(int id, int index) {
  if (auto* list = qobject_cast<QListWidget*>(Control(id))) {
    const QSignalBlocker blocker(list);
    list->setCurrentRow(index);
    if (index < 0) list->clearSelection();
  } else if (auto* combo = qobject_cast<QComboBox*>(Control(id))) {
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index);
  }
}

void QtDialogWindow::SetRange(int id, int lower, int upper) {
  if (auto* upDown = qobject_cast<QtUpDown*>(Control(id))) upDown->SetRange(lower, upper);
  if (auto* bar = qobject_cast<QProgressBar*>(Control(id))) bar->setRange(lower, upper);
}

int QtDialogWindow::Position(int id) const {
  if (auto* upDown = qobject_cast<QtUpDown*>(Control(id))) return upDown->Pos();
  if (auto* bar = qobject_cast<QProgressBar*>(Control(id))) return bar->value();
  return 0;
}

void QtDialogWindow::SetPosition(int id, int position) {
  if (auto* upDown = qobject_cast<QtUpDown*>(Control(id))) upDown->SetPos(position);
  if (auto* bar = qobject_cast<QProgressBar*>(Control(id))) bar->setValue(position);
}

void QtDialogWindow::SetBuddy(int upDownId, int buddyId) {
  if (auto* upDown = qobject_cast<QtUpDown*>(Control(upDownId))) upDown->SetBuddy(Control(buddyId));
}

std::optional<CalendarDate> QtDialogWindow::Date(int id) const {
  auto* picker = qobject_cast<QDateEdit*>(Control(id));
  if (!picker || !picker->date().isValid()) return std::nullopt;
  const QDate date = picker->date();
  return CalendarDate{date.year(), date.month(), date.day()};
}

void QtDialogWindow::SetDate(int id, const CalendarDate& date) {
  if (auto* picker = qobject_cast<QDateEdit*>(Control(id))) {
    const QSignalBlocker blocker(picker);
    picker->setDate(ToQDate(date));
  }
}

void QtDialogWindow::SetDateRange(int id, const CalendarDate& first, const CalendarDate& last) {
  if (auto* picker = qobject_cast<QDateEdit*>(Control(id))) {
    picker->setDateRange(ToQDate(first), ToQDate(last));
  }
}

void QtDialogWindow::StartTimer(int id, int periodMs) {
  QTimer*& timer = timers_[id];
  if (timer == nullptr) {
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, id] { Dispatch(WindowEvent::Kind::kTimer, id); });
  }
  timer->start(periodMs);
}

void QtDialogWindow::StopTimer(int id) {
  if (const auto it = timers_.find(id); it != timers_.end()) it->second->stop();
}

void QtDialogWindow::AddToolTip(int id, std::string_view text) {
  QWidget* control = Control(id);
  if (control == nullptr) return;
  if (toolTips_ == nullptr) toolTips_ = new QtToolTips(this);
  toolTips_->AddTool(control, FromUtf8(text));
  // Scrolling controls receive the pointer on their viewport, not on themselves.
  if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
    toolTips_->AddTool(area->viewport(), FromUtf8(text));
  }
}

void QtDialogWindow::AppendWindowMenuItem(int command, std::string_view text) {
  // The platform's window menu cannot be extended from Qt, so the window offers its own on a
  // right click on its background and on Alt+Space (which many window managers keep for their
  // own menu, so the right click is the sure way).
  if (windowMenu_ == nullptr) {
    windowMenu_ = new QMenu(this);
    windowMenu_->addAction(QStringLiteral("Свернуть"), this, [this] { showMinimized(); });
    windowMenu_->addAction(QStringLiteral("Закрыть"), this,
                           [this] { Dispatch(WindowEvent::Kind::kClose, 0); });
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(shortcut, &QShortcut::activated, this,
            [this] { windowMenu_->popup(mapToGlobal(QPoint(0, 0))); });
  }
  windowMenu_->addSeparator();
  QAction* action = windowMenu_->addAction(
      FromUtf8(text), this, [this, command] { Dispatch(WindowEvent::Kind::kSysCommand, command); });
  action->setData(command);
}

void QtDialogWindow::SetIcon(int resourceId) { setWindowIcon(LoadQtIcon(resourceId)); }

void QtDialogWindow::Redraw(int id) {
  if (auto* area = qobject_cast<QAbstractScrollArea*>(Control(id))) area->viewport()->update();
}

}  // namespace lunda
