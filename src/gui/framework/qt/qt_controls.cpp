// One adapter per control kind over its Qt widget; the kind is looked at once, in MakeQtControl.
#include "gui/framework/qt/qt_controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include "gui/framework/qt/qt_icons.h"
#include "gui/framework/qt/qt_item_controls.h"
#include "gui/framework/qt/qt_tool_tips.h"
#include "gui/framework/qt/qt_up_down.h"
#include "gui/framework/qt/qt_widgets.h"

namespace lunda {
namespace {

class Button final : public QtTypedControl<QAbstractButton> {
 public:
  Button(QAbstractButton* button, const ControlTemplate& c, WindowHost& host)
      : QtTypedControl(button, c) {
    button->setText(FromUtf8(c.text));
    const int id = c.id;
    QObject::connect(button, &QAbstractButton::clicked, button, [&host, id] {
      host.Act({UserAction::Kind::kCommand, id});
    });
  }
  [[nodiscard]] std::string Text() const override { return w->text().toStdString(); }
  void SetText(std::string_view text) override { w->setText(FromUtf8(text)); }
  [[nodiscard]] bool IsChecked() const override { return w->isChecked(); }
  void SetChecked(bool checked) override {
    const QSignalBlocker blocker(w);
    // An exclusive group refuses to uncheck its checked button.
    QButtonGroup* group = w->group();
    if (group) group->setExclusive(false);
    w->setChecked(checked);
    if (group) group->setExclusive(true);
  }
};

class Label final : public QtTypedControl<QLabel> {
 public:
  Label(QLabel* label, const ControlTemplate& c) : QtTypedControl(label, c) {
    if (c.kind == ControlKind::kIcon) {
      label->setPixmap(
          LoadQtIcon(QString::fromStdString(c.text).toInt()).pixmap(kQtIconPixels, kQtIconPixels));
      return;
    }
    label->setTextFormat(Qt::PlainText);
    label->setText(c.styles.noPrefix ? FromUtf8(c.text) : StripMnemonics(FromUtf8(c.text)));
    label->setWordWrap(true);
    Qt::Alignment alignment = c.styles.center ? Qt::AlignHCenter : Qt::AlignLeft;
    alignment |= c.styles.vcenter ? Qt::AlignVCenter : Qt::AlignTop;
    label->setAlignment(alignment);
    if (c.styles.sunken) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  }
  [[nodiscard]] std::string Text() const override { return w->text().toStdString(); }
  void SetText(std::string_view text) override { w->setText(FromUtf8(text)); }
};

class GroupBox final : public QtTypedControl<QGroupBox> {
 public:
  GroupBox(QGroupBox* group, const ControlTemplate& c) : QtTypedControl(group, c) {
    group->setTitle(FromUtf8(c.text));
    // A frame listed after the controls it surrounds lies above them; like a classic group box
    // it lets the pointer through to them.
    group->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  [[nodiscard]] std::string Text() const override { return w->title().toStdString(); }
  void SetText(std::string_view text) override { w->setTitle(FromUtf8(text)); }
};

class LineEdit final : public QtTypedControl<QLineEdit> {
 public:
  LineEdit(QLineEdit* edit, const ControlTemplate& c) : QtTypedControl(edit, c) {
    edit->setReadOnly(c.styles.readOnly);
    if (c.styles.number) {
      edit->setValidator(
          new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    }
  }
  [[nodiscard]] std::string Text() const override { return w->text().toStdString(); }
  void SetText(std::string_view text) override {
    const QSignalBlocker blocker(w);
    w->setText(FromUtf8(text));
    // A classic edit shows the start of a text set into it; Qt would scroll to its end.
    w->setCursorPosition(0);
  }
  void SelectAll() override { w->selectAll(); }
};

class TextEdit final : public QtTypedControl<QPlainTextEdit> {
 public:
  TextEdit(QPlainTextEdit* edit, const ControlTemplate& c) : QtTypedControl(edit, c) {
    edit->setReadOnly(c.styles.readOnly);
    edit->setTabChangesFocus(true);
    edit->setVerticalScrollBarPolicy(c.styles.vScroll ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
  }
  [[nodiscard]] QWidget* PointerTarget() const override { return w->viewport(); }
  [[nodiscard]] std::string Text() const override {
    return w->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
  }
  void SetText(std::string_view text) override {
    const QSignalBlocker blocker(w);
    w->setPlainText(FromUtf8(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
  }
  void SelectAll() override { w->selectAll(); }
};

class UpDown final : public QtTypedControl<QtUpDown>, public RangeControl {
 public:
  UpDown(QtUpDown* upDown, const ControlTemplate& c, WindowHost& host) : QtTypedControl(upDown, c) {
    upDown->SetArrowKeys(c.styles.arrowKeys);
    const int id = c.id;
    upDown->SetStepHandler([&host, id](int delta) { return host.MayStep(id, delta); });
  }
  [[nodiscard]] RangeControl* Range() override { return this; }
  void SetRange(int lower, int upper) override { w->SetRange(lower, upper); }
  [[nodiscard]] int Position() const override { return w->Pos(); }
  void SetPosition(int position) override { w->SetPos(position); }
  void SetBuddy(Control& buddy) override { w->SetBuddy(static_cast<QtControl&>(buddy).Widget()); }
};

class ProgressBar final : public QtTypedControl<QProgressBar>, public RangeControl {
 public:
  ProgressBar(QProgressBar* bar, const ControlTemplate& c) : QtTypedControl(bar, c) {
    bar->setTextVisible(false);
  }
  [[nodiscard]] RangeControl* Range() override { return this; }
  void SetRange(int lower, int upper) override { w->setRange(lower, upper); }
  [[nodiscard]] int Position() const override { return w->value(); }
  void SetPosition(int position) override { w->setValue(position); }
};

QDate ToQDate(const CalendarDate& date) { return QDate(date.year, date.month, date.day); }

class DatePicker final : public QtTypedControl<QDateEdit>, public DateControl {
 public:
  DatePicker(QDateEdit* picker, const ControlTemplate& c) : QtTypedControl(picker, c) {
    // The dialogs are Russian whatever the system language, so are their dates: 06.12.2026 and
    // a calendar with Russian month names, not the C locale's "6 Dec 2026".
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    picker->setLocale(russian);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(russian.dateFormat(QLocale::ShortFormat));
  }
  [[nodiscard]] DateControl* Dates() override { return this; }
  [[nodiscard]] std::optional<CalendarDate> Date() const override {
    if (!w->date().isValid()) return std::nullopt;
    return CalendarDate{w->date().year(), w->date().month(), w->date().day()};
  }
  void SetDate(const CalendarDate& date) override {
    const QSignalBlocker blocker(w);
    w->setDate(ToQDate(date));
  }
  void SetRange(const CalendarDate& first, const CalendarDate& last) override {
    w->setDateRange(ToQDate(first), ToQDate(last));
  }
};

std::unique_ptr<QtControl> MakeAdapter(const ControlTemplate& c, QWidget& parent,
                                       WindowHost& host) {
  switch (c.kind) {
    case ControlKind::kPushButton:
    case ControlKind::kDefPushButton: {
      auto* button = new QPushButton(&parent);
      // Enter is the dialog's business, not Qt's default-button logic.
      button->setAutoDefault(false);
      button->setDefault(c.kind == ControlKind::kDefPushButton);
      return std::make_unique<Button>(button, c, host);
    }
    case ControlKind::kRadioButton:
      return std::make_unique<Button>(new QRadioButton(&parent), c, host);
    case ControlKind::kCheckBox:
      return std::make_unique<Button>(new QCheckBox(&parent), c, host);
    case ControlKind::kStatic:
    case ControlKind::kIcon:
      return std::make_unique<Label>(new QLabel(&parent), c);
    case ControlKind::kGroupBox:
      return std::make_unique<GroupBox>(new QGroupBox(&parent), c);
    case ControlKind::kEdit:
      if (c.styles.multiLine) return std::make_unique<TextEdit>(new QPlainTextEdit(&parent), c);
      return std::make_unique<LineEdit>(new QLineEdit(&parent), c);
    case ControlKind::kListBox:
    case ControlKind::kComboBox:
    case ControlKind::kTabControl:
      return MakeQtItemControl(c, parent, host);
    case ControlKind::kUpDown:
      return std::make_unique<UpDown>(new QtUpDown(&parent), c, host);
    case ControlKind::kProgressBar:
      return std::make_unique<ProgressBar>(new QProgressBar(&parent), c);
    case ControlKind::kDateTimePicker:
      return std::make_unique<DatePicker>(new QDateEdit(&parent), c);
  }
  return std::make_unique<Label>(new QLabel(&parent), c);
}

}  // namespace

void QtControl::SetToolTip(std::string_view text) {
  QtToolTips::Instance().AddTool(widget_, FromUtf8(text));
  // Scrolling controls receive the pointer on their viewport, not on themselves.
  if (PointerTarget() != widget_) QtToolTips::Instance().AddTool(PointerTarget(), FromUtf8(text));
}

std::unique_ptr<QtControl> MakeQtControl(const ControlTemplate& control, QWidget& parent,
                                         WindowHost& host, const DialogUnits& units) {
  std::unique_ptr<QtControl> adapter = MakeAdapter(control, parent, host);
  PlaceControl(*adapter->Widget(), control, units);
  return adapter;
}

}  // namespace lunda
