// Widget classes and settings for each template control kind.
#include "gui/framework/control_factory.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "gui/framework/resources.h"
#include "gui/framework/up_down.h"

namespace lunda {
namespace {

constexpr int kIconPixels = 32;
constexpr int kComboUnits = 12;  // closed height of a drop-down list; the rect gives the list's

void ApplyStatic(QLabel* label, const ControlTemplate& c) {
  if (c.kind == ControlKind::kIcon) {
    label->setPixmap(LoadIcon(c.text.toInt()).pixmap(kIconPixels, kIconPixels));
    return;
  }
  label->setTextFormat(Qt::PlainText);
  label->setText(c.styles.noPrefix ? c.text : StripMnemonics(c.text));
  label->setWordWrap(true);
  Qt::Alignment alignment = c.styles.center ? Qt::AlignHCenter : Qt::AlignLeft;
  alignment |= c.styles.vcenter ? Qt::AlignVCenter : Qt::AlignTop;
  label->setAlignment(alignment);
  if (c.styles.sunken) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void ApplyEdit(QWidget* widget, const ControlTemplate& c) {
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    line->setReadOnly(c.styles.readOnly);
    if (c.styles.number) {
      line->setValidator(
          new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), line));
    }
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
    text->setReadOnly(c.styles.readOnly);
    text->setTabChangesFocus(true);
    text->setVerticalScrollBarPolicy(c.styles.vScroll ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
  }
}

// Sets what the control's Qt class can show; kinds whose widget was replaced by an unrelated
// class are left to the dialog that replaced them.
void ApplyKind(QWidget* widget, const ControlTemplate& c) {
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(c.text);
  if (auto* push = qobject_cast<QPushButton*>(widget)) {
    // Enter is the dialog's business (see CDialog), not Qt's default-button logic.
    push->setAutoDefault(false);
    push->setDefault(c.kind == ControlKind::kDefPushButton);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    ApplyStatic(label, c);
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(c.text);
    // A frame listed after the controls it surrounds lies above them; like a classic group box
    // it lets the pointer through to them.
    group->setAttribute(Qt::WA_TransparentForMouseEvents);
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    list->addItems(c.items);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->addItems(c.items);
    combo->setCurrentIndex(-1);
  } else if (auto* progress = qobject_cast<QProgressBar*>(widget)) {
    progress->setTextVisible(false);
  } else if (auto* date = qobject_cast<QDateEdit*>(widget)) {
    // The dialogs are Russian whatever the system language, so are their dates: 06.12.2026 and
    // a calendar with Russian month names, not the C locale's "6 Dec 2026".
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    date->setLocale(russian);
    date->setCalendarPopup(true);
    date->setDisplayFormat(russian.dateFormat(QLocale::ShortFormat));
  } else if (auto* upDown = qobject_cast<CUpDown*>(widget)) {
    upDown->SetArrowKeys(c.styles.arrowKeys);
  } else {
    ApplyEdit(widget, c);
  }
}

}  // namespace

QWidget* CreateStandardControl(const ControlTemplate& control, QWidget* parent) {
  switch (control.kind) {
    case ControlKind::kPushButton:
    case ControlKind::kDefPushButton:
      return new QPushButton(parent);
    case ControlKind::kStatic:
    case ControlKind::kIcon:
      return new QLabel(parent);
    case ControlKind::kGroupBox:
      return new QGroupBox(parent);
    case ControlKind::kEdit:
      if (control.styles.multiLine) return new QPlainTextEdit(parent);
      return new QLineEdit(parent);
    case ControlKind::kListBox:
      return new QListWidget(parent);
    case ControlKind::kComboBox:
      return new QComboBox(parent);
    case ControlKind::kRadioButton:
      return new QRadioButton(parent);
    case ControlKind::kCheckBox:
      return new QCheckBox(parent);
    case ControlKind::kUpDown:
      return new CUpDown(parent);
    case ControlKind::kProgressBar:
      return new QProgressBar(parent);
    case ControlKind::kDateTimePicker:
      return new QDateEdit(parent);
  }
  return new QWidget(parent);
}

void ApplyControlTemplate(QWidget* widget, const ControlTemplate& control,
                          const DialogUnits& units) {
  ApplyKind(widget, control);
  QRect rect = units.ToPixels(control.rect);
  if (control.kind == ControlKind::kIcon) rect.setSize(QSize(kIconPixels, kIconPixels));
  if (control.kind == ControlKind::kComboBox) rect.setHeight(units.Y(kComboUnits));
  widget->setGeometry(rect);
  widget->setEnabled(!control.styles.disabled);
  const bool focusable = widget->focusPolicy() != Qt::NoFocus;
  const bool label = control.kind == ControlKind::kStatic || control.kind == ControlKind::kIcon ||
                     control.kind == ControlKind::kGroupBox;
  if (label) {
    widget->setFocusPolicy(Qt::NoFocus);
  } else if (focusable) {
    widget->setFocusPolicy(control.styles.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

QString StripMnemonics(const QString& text) {
  QString result;
  result.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && ++i == text.size()) break;
    result += text[i];
  }
  return result;
}

}  // namespace lunda
