// One adapter per control kind over its Qt widget; the kind is looked at once, in MakeQtControl.
#include "gui/framework/qt/qt_controls.h"

#include <QAbstractScrollArea>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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
#include "gui/framework/qt/qt_tool_tips.h"
#include "gui/framework/qt/qt_up_down.h"
#include "gui/framework/qt/qt_widgets.h"

namespace lunda {
namespace {

// An adapter that knows its widget's class.
template <typename QtWidget>
class Typed : public QtControl {
 public:
  Typed(QtWidget* widget, const ControlTemplate& control) : QtControl(widget, control), w(widget) {}

 protected:
  QtWidget* w;
};

class Button final : public Typed<QAbstractButton> {
 public:
  Button(QAbstractButton* button, const ControlTemplate& c, WindowHost& host) : Typed(button, c) {
    button->setText(FromUtf8(c.text));
    const int id = c.id;
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [&host, id] { host.Act({UserAction::Kind::kCommand, id}); });
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

class Label final : public Typed<QLabel> {
 public:
  Label(QLabel* label, const ControlTemplate& c) : Typed(label, c) {
    if (c.kind == ControlKind::kIcon) {
      label->setPixmap(LoadQtIcon(QString::fromStdString(c.text).toInt())
                           .pixmap(kQtIconPixels, kQtIconPixels));
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

class GroupBox final : public Typed<QGroupBox> {
 public:
  GroupBox(QGroupBox* group, const ControlTemplate& c) : Typed(group, c) {
    group->setTitle(FromUtf8(c.text));
    // A frame listed after the controls it surrounds lies above them; like a classic group box
    // it lets the pointer through to them.
    group->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  [[nodiscard]] std::string Text() const override { return w->title().toStdString(); }
  void SetText(std::string_view text) override { w->setTitle(FromUtf8(text)); }
};

class LineEdit final : public Typed<QLineEdit> {
 public:
  LineEdit(QLineEdit* edit, const ControlTemplate& c) : Typed(edit, c) {
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

class TextEdit final : public Typed<QPlainTextEdit> {
 public:
  TextEdit(QPlainTextEdit* edit, const ControlTemplate& c) : Typed(edit, c) {
    edit->setReadOnly(c.styles.readOnly);
    edit->setTabChangesFocus(true);
    edit->setVerticalScrollBarPolicy(c.styles.vScroll ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
  }
  [[nodiscard]] std::string Text() const override {
    return w->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
  }
  void SetText(std::string_view text) override {
    const QSignalBlocker blocker(w);
    w->setPlainText(FromUtf8(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
  }
  void SelectAll() override { w->selectAll(); }
};

class ListBox final : public Typed<QListWidget>, public ItemControl {
 public:
  ListBox(QListWidget* list, const ControlTemplate& c, WindowHost& host) : Typed(list, c) {
    for (const std::string& item : c.items) list->addItem(FromUtf8(item));
    const int id = c.id;
    QObject::connect(list, &QListWidget::itemSelectionChanged, list,
                     [&host, id] { host.Act({UserAction::Kind::kSelChange, id}); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                     [&host, id] { host.Act({UserAction::Kind::kDoubleClick, id}); });
  }
  [[nodiscard]] ItemControl* Items() override { return this; }
  [[nodiscard]] int Count() const override { return w->count(); }
  [[nodiscard]] std::string ItemText(int index) const override {
    const QListWidgetItem* item = w->item(index);
    return item ? item->text().toStdString() : std::string();
  }
  void Insert(int index, std::string_view text) override {
    const QSignalBlocker blocker(w);
    w->insertItem(index < 0 ? w->count() : index, FromUtf8(text));
  }
  void Delete(int index) override {
    const QSignalBlocker blocker(w);
    delete w->takeItem(index);
  }
  [[nodiscard]] int Selection() const override {
    const QList<QListWidgetItem*> selected = w->selectedItems();
    return selected.isEmpty() ? -1 : w->row(selected.front());
  }
  void Select(int index) override {
    const QSignalBlocker blocker(w);
    w->setCurrentRow(index);
    if (index < 0) w->clearSelection();
  }
};

class ComboBox final : public Typed<QComboBox>, public ItemControl {
 public:
  ComboBox(QComboBox* combo, const ControlTemplate& c) : Typed(combo, c) {
    for (const std::string& item : c.items) combo->addItem(FromUtf8(item));
    combo->setCurrentIndex(-1);
  }
  [[nodiscard]] std::string Text() const override { return w->currentText().toStdString(); }
  void SetText(std::string_view text) override { Select(w->findText(FromUtf8(text))); }
  [[nodiscard]] ItemControl* Items() override { return this; }
  [[nodiscard]] int Count() const override { return w->count(); }
  [[nodiscard]] std::string ItemText(int index) const override {
    return w->itemText(index).toStdString();
  }
  void Insert(int index, std::string_view text) override {
    const QSignalBlocker blocker(w);
    w->insertItem(index < 0 ? w->count() : index, FromUtf8(text));
  }
  void Delete(int index) override {
    const QSignalBlocker blocker(w);
    w->removeItem(index);
  }
  [[nodiscard]] int Selection() const override { return w->currentIndex(); }
  void Select(int index) override {
    const QSignalBlocker blocker(w);
    w->setCurrentIndex(index);
  }
};

class TabControl final : public Typed<QtTabControl>, public ItemControl {
 public:
  TabControl(QtTabControl* tabs, const ControlTemplate& c, WindowHost& host) : Typed(tabs, c) {
    const int id = c.id;
    QObject::connect(&tabs->Tabs(), &QTabBar::currentChanged, tabs,
                     [&host, id] { host.Act({UserAction::Kind::kSelChange, id}); });
  }
  [[nodiscard]] ItemControl* Items() override { return this; }
  [[nodiscard]] int Count() const override { return w->Tabs().count(); }
  [[nodiscard]] std::string ItemText(int index) const override {
    return w->Tabs().tabText(index).toStdString();
  }
  void Insert(int index, std::string_view text) override {
    const QSignalBlocker blocker(w->Tabs());
    w->Tabs().insertTab(index < 0 ? Count() : index, FromUtf8(text));
  }
  void Delete(int index) override {
    const QSignalBlocker blocker(w->Tabs());
    w->Tabs().removeTab(index);
  }
  [[nodiscard]] int Selection() const override { return w->Tabs().currentIndex(); }
  void Select(int index) override {
    const QSignalBlocker blocker(w->Tabs());
    w->Tabs().setCurrentIndex(index);
  }
};

class UpDown final : public Typed<QtUpDown>, public RangeControl {
 public:
  UpDown(QtUpDown* upDown, const ControlTemplate& c, WindowHost& host) : Typed(upDown, c) {
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

class ProgressBar final : public Typed<QProgressBar>, public RangeControl {
 public:
  ProgressBar(QProgressBar* bar, const ControlTemplate& c) : Typed(bar, c) {
    bar->setTextVisible(false);
  }
  [[nodiscard]] RangeControl* Range() override { return this; }
  void SetRange(int lower, int upper) override { w->setRange(lower, upper); }
  [[nodiscard]] int Position() const override { return w->value(); }
  void SetPosition(int position) override { w->setValue(position); }
};

QDate ToQDate(const CalendarDate& date) { return QDate(date.year, date.month, date.day); }

class DatePicker final : public Typed<QDateEdit>, public DateControl {
 public:
  DatePicker(QDateEdit* picker, const ControlTemplate& c) : Typed(picker, c) {
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
      return std::make_unique<ListBox>(NewListBox(c, parent, host), c, host);
    case ControlKind::kComboBox:
      return std::make_unique<ComboBox>(new QComboBox(&parent), c);
    case ControlKind::kTabControl:
      return std::make_unique<TabControl>(new QtTabControl(&parent), c, host);
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

QWidget* QtControl::PointerTarget() const {
  auto* area = qobject_cast<QAbstractScrollArea*>(widget_);
  return area ? area->viewport() : widget_;
}

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
