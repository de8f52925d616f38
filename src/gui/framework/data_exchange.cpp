// Field parsing, prompts and focus-and-select for the data exchange helpers.
#include "gui/framework/data_exchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <optional>

#include "gui/framework/control_text.h"
#include "gui/framework/dialog.h"
#include "gui/framework/message_box.h"
#include "gui/framework/number_parse.h"
#include "gui/framework/resources.h"

namespace lunda {
namespace {

// The classic double field reads its text through a 32-character buffer.
constexpr qsizetype kDoubleFieldChars = 31;

// The control to work on, or null when the exchange has already failed or the id is unknown.
QWidget* Begin(DataExchange& dx, int id) {
  if (dx.Failed()) return nullptr;
  return dx.PrepareControl(id);
}

// Reads a control's text through a parser; on failure prompts and leaves value untouched.
template <typename T, typename Parser>
void ReadNumber(DataExchange& dx, QWidget* control, qsizetype maxChars, Parser parse, int promptId,
                T& value) {
  const std::optional<T> parsed = parse(GetControlText(control).left(maxChars).toStdString());
  if (parsed) {
    value = *parsed;
  } else {
    dx.Fail(control, LoadString(promptId));
  }
}

std::optional<std::uint8_t> ParseByte(std::string_view text) {
  const std::optional<std::uint32_t> value = ParseUnsigned(text);
  if (!value || *value > 255) return std::nullopt;
  return static_cast<std::uint8_t>(*value);
}

// The radio buttons of the group that starts at firstId, in template order.
QList<QRadioButton*> RadioGroup(const CDialog& dialog, int firstId) {
  QList<QRadioButton*> buttons;
  const std::vector<ControlTemplate>& controls = dialog.Template().controls;
  for (auto it = controls.begin(); it != controls.end(); ++it) {
    if (it->id != firstId) continue;
    for (auto next = it; next != controls.end() && next->kind == ControlKind::kRadioButton;
         ++next) {
      if (next != it && next->styles.group) break;
      if (auto* radio = dialog.Control<QRadioButton>(next->id)) buttons << radio;
    }
    break;
  }
  return buttons;
}

void ShowRadio(const QList<QRadioButton*>& buttons, int index) {
  for (int i = 0; i < buttons.size(); ++i) {
    QRadioButton* radio = buttons[i];
    const QSignalBlocker blocker(radio);
    // An exclusive group refuses to uncheck its checked button.
    QButtonGroup* group = radio->group();
    if (group) group->setExclusive(false);
    radio->setChecked(i == index);
    if (group) group->setExclusive(true);
  }
}

}  // namespace

QWidget* DataExchange::PrepareControl(int id) {
  lastControl_ = dialog_.GetDlgItem(id);
  if (!lastControl_) {
    qWarning("lunda: dialog %d has no control %d to exchange", dialog_.TemplateId(), id);
  }
  return lastControl_;
}

void DataExchange::Fail(QWidget* control, const QString& prompt) {
  failedControl_ = control;
  MessageBox(dialog_.window(), prompt, MessageIcon::kWarning);
  control->setFocus(Qt::OtherFocusReason);
  if (auto* line = qobject_cast<QLineEdit*>(control)) line->selectAll();
  if (auto* edit = qobject_cast<QPlainTextEdit*>(control)) edit->selectAll();
}

void DDX_Text(DataExchange& dx, int id, double& value) {
  QWidget* control = Begin(dx, id);
  if (!control) return;
  if (dx.SaveAndValidate()) {
    ReadNumber(dx, control, kDoubleFieldChars, ParseDouble, kIdsParseReal, value);
  } else {
    SetControlText(control, QString::number(value, 'g', 15));
  }
}

void DDX_Text(DataExchange& dx, int id, std::uint8_t& value) {
  QWidget* control = Begin(dx, id);
  if (!control) return;
  if (dx.SaveAndValidate()) {
    ReadNumber(dx, control, -1, ParseByte, kIdsParseByte, value);
  } else {
    SetControlText(control, QString::number(value));
  }
}

void DDX_Text(DataExchange& dx, int id, std::uint32_t& value) {
  QWidget* control = Begin(dx, id);
  if (!control) return;
  if (dx.SaveAndValidate()) {
    ReadNumber(dx, control, -1, ParseUnsigned, kIdsParseUInt, value);
  } else {
    SetControlText(control, QString::number(value));
  }
}

void DDX_Text(DataExchange& dx, int id, int& value) {
  QWidget* control = Begin(dx, id);
  if (!control) return;
  if (dx.SaveAndValidate()) {
    ReadNumber(dx, control, -1, ParseInt, kIdsParseInt, value);
  } else {
    SetControlText(control, QString::number(value));
  }
}

void DDX_Text(DataExchange& dx, int id, QString& value) {
  QWidget* control = Begin(dx, id);
  if (!control) return;
  if (dx.SaveAndValidate()) {
    value = GetControlText(control);
  } else {
    SetControlText(control, value);
  }
}

void DDX_Text(DataExchange& dx, int id, std::string& value) {
  QString text = QString::fromStdString(value);
  DDX_Text(dx, id, text);
  if (dx.SaveAndValidate() && !dx.Failed()) value = text.toStdString();
}

void DDX_Radio(DataExchange& dx, int firstId, int& index) {
  if (!Begin(dx, firstId)) return;
  const QList<QRadioButton*> buttons = RadioGroup(dx.Dialog(), firstId);
  if (!dx.SaveAndValidate()) {
    ShowRadio(buttons, index);
    return;
  }
  index = -1;
  for (int i = 0; i < buttons.size(); ++i) {
    if (buttons[i]->isChecked()) index = i;
  }
}

void DDX_CBIndex(DataExchange& dx, int id, int& index) {
  auto* combo = qobject_cast<QComboBox*>(Begin(dx, id));
  if (!combo) return;
  if (dx.SaveAndValidate()) {
    index = combo->currentIndex();
  } else {
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index);
  }
}

void DDX_DateTime(DataExchange& dx, int id, QDateTime& value) {
  auto* picker = qobject_cast<QDateEdit*>(Begin(dx, id));
  if (!picker) return;
  if (dx.SaveAndValidate()) {
    const QDate date = picker->date();
    if (date.isValid()) value = QDateTime(date, value.time());
  } else {
    const QSignalBlocker blocker(picker);
    picker->setDate(value.date());
  }
}

void DDV_MinMaxUInt(DataExchange& dx, std::uint32_t value, std::uint32_t min, std::uint32_t max) {
  if (!dx.SaveAndValidate() || dx.Failed() || !dx.LastControl()) return;
  if (value < min || value > max) {
    dx.Fail(dx.LastControl(), LoadString(kIdsParseIntRange).arg(min).arg(max));
  }
}

}  // namespace lunda
