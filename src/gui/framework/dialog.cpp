// Building a dialog from its template, the modal run, data exchange and the dialog keyboard.
#include "gui/framework/dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui/framework/control_factory.h"
#include "gui/framework/control_text.h"
#include "gui/framework/data_exchange.h"

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

}  // namespace

CDialog::CDialog(int templateId, QWidget* parent) : QDialog(parent), templateId_(templateId) {}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
  if (!Create()) return -1;
  // As a classic modal dialog disables its owner and nothing else: windows without an owner,
  // such as the help window, stay usable beside it.
  setWindowModality(Qt::WindowModal);
  return exec();
}

bool CDialog::Create() {
  if (!created_ && !BuildControls()) return false;
  if (OnInitDialog()) SetInitialFocus();
  return true;
}

void CDialog::EndDialog(int result) { done(result); }

bool CDialog::UpdateData(bool saveAndValidate) {
  DataExchange dx(*this, saveAndValidate);
  ++exchangeDepth_;
  DoDataExchange(dx);
  --exchangeDepth_;
  return !dx.Failed();
}

QString CDialog::GetDlgItemText(int id) const { return GetControlText(GetDlgItem(id)); }

void CDialog::SetDlgItemText(int id, const QString& text) {
  if (QWidget* control = GetDlgItem(id)) SetControlText(control, text);
}

void CDialog::EnableDlgItem(int id, bool enable) {
  if (QWidget* control = GetDlgItem(id)) control->setEnabled(enable);
}

int CDialog::DefaultCommandId() const {
  for (const ControlTemplate& c : template_.controls) {
    if (c.kind == ControlKind::kDefPushButton) return c.id;
  }
  return kIdOk;
}

std::optional<DialogTemplate> CDialog::LoadTemplate(QString* error) {
  return LoadDialogTemplate(templateId_, error);
}

QWidget* CDialog::CreateControl(const ControlTemplate& control, QWidget* parent) {
  return CreateStandardControl(control, parent);
}

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::DoDataExchange(DataExchange&) {}

void CDialog::OnCommand(int id) {
  if (id == kIdOk) OnOK();
  if (id == kIdCancel) OnCancel();
}

void CDialog::OnControlFocusIn(int) {}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(kIdOk);
}

void CDialog::OnCancel() { EndDialog(kIdCancel); }

void CDialog::OnClose() { OnCommand(kIdCancel); }

bool CDialog::BuildControls() {
  QString error;
  std::optional<DialogTemplate> loaded = LoadTemplate(&error);
  if (!loaded) {
    qWarning("lunda: %s", qUtf8Printable(error));
    return false;
  }
  template_ = std::move(*loaded);
  const QFont font = DialogFont(template_.fontFace, template_.fontPoints);
  setFont(font);
  units_ = DialogUnits(font);
  // Qt hands the window manager the application's name in place of an empty title; a blank
  // keeps an empty template caption empty on the screen.
  setWindowTitle(template_.caption.isEmpty() && isWindow() ? QStringLiteral(" ")
                                                           : template_.caption);
  if (isWindow()) {
    setWindowFlags(WindowFlagsFor(template_.styles));
    setFixedSize(units_.ToPixels(template_.size));
  } else {
    resize(units_.ToPixels(template_.size));
  }
  QWidget* previousTabStop = nullptr;
  QButtonGroup* radioGroup = nullptr;
  for (const ControlTemplate& c : template_.controls) {
    QWidget* widget = CreateControl(c, this);
    ApplyControlTemplate(widget, c, units_);
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
  created_ = true;
  return true;
}

void CDialog::RegisterControl(QWidget* widget, const ControlTemplate& control) {
  if (control.id != -1 && !controlsById_.contains(control.id)) {
    controlsById_.insert(control.id, widget);
  }
  idsByControl_.insert(widget, control.id);
  templatesByControl_.insert(widget, &control);
  widget->installEventFilter(this);
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    connect(button, &QAbstractButton::clicked, this,
            [this, id = control.id] { DispatchCommand(id); });
  }
}

void CDialog::SetInitialFocus() {
  for (const ControlTemplate& c : template_.controls) {
    QWidget* widget = GetDlgItem(c.id);
    if (widget && c.styles.tabStop && widget->isEnabled()) {
      widget->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

CDialog* CDialog::CommandTarget() {
  auto* top = qobject_cast<CDialog*>(window());
  return top ? top : this;
}

void CDialog::DispatchCommand(int id) {
  if (!InDataExchange()) OnCommand(id);
}

bool CDialog::HandleDialogKey(QObject* target, const QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    // F1 asks for the help of the window it is pressed in: its Help button, where it has one.
    CDialog* top = CommandTarget();
    const QWidget* help = top->GetDlgItem(kIdHelp);
    if (help && help->isEnabled()) top->DispatchCommand(kIdHelp);
    return help != nullptr;
  }
  const bool enter = IsEnterKey(event);
  if ((!enter && event->key() != Qt::Key_Escape) ||
      (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
    return false;
  }
  CDialog* top = CommandTarget();
  if (!enter) {
    top->DispatchCommand(kIdCancel);
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
  const int id = top->DefaultCommandId();
  const QWidget* defaultButton = top->GetDlgItem(id);
  if (!defaultButton || defaultButton->isEnabled()) top->DispatchCommand(id);
  return true;
}

bool CDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      HandleDialogKey(watched, static_cast<QKeyEvent*>(event))) {
    return true;
  }
  if (event->type() == QEvent::FocusIn && !InDataExchange()) {
    // Focus restored by window activation or a closed pop-up is no entry of the user's.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      OnControlFocusIn(ControlId(watched));
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

void CDialog::keyPressEvent(QKeyEvent* event) {
  if (!HandleDialogKey(this, event)) QDialog::keyPressEvent(event);
}

void CDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!InDataExchange()) OnClose();
}

void CDialog::accept() { DispatchCommand(kIdOk); }

void CDialog::reject() { DispatchCommand(kIdCancel); }

}  // namespace lunda
