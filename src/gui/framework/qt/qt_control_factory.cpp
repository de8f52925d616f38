// Widget classes and settings for each template control kind.
#include "gui/framework/qt/qt_control_factory.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

#include "gui/framework/dialog.h"
#include "gui/framework/qt/qt_icons.h"
#include "gui/framework/qt/qt_up_down.h"

namespace lunda {
namespace {

constexpr int kIconPixels = 32;
constexpr int kComboUnits = 12;  // closed height of a drop-down list; the rect gives the list's

// Draws each row as the dialog's OwnerDrawnRow says.
class OwnerDrawDelegate : public QStyledItemDelegate {
 public:
  OwnerDrawDelegate(QListWidget& list, CDialog& host, int id)
      : QStyledItemDelegate(&list), host_(host), id_(id) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const std::optional<OwnerDrawnRow> row = host_.HandleDrawItem(id_, index.row());
    if (!row) return;
    const bool selected = option.state & QStyle::State_Selected;
    // The system's highlight, whether or not the list has the focus, as a classic list box.
    const QPalette& palette = option.palette;
    const QColor fill =
        palette.color(QPalette::Active, selected ? QPalette::Highlight : QPalette::Base);
    QColor text =
        palette.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text);
    if (row->textColor)
      text = QColor(row->textColor->red, row->textColor->green, row->textColor->blue);
    painter->save();
    painter->fillRect(option.rect, fill);
    painter->setClipRect(option.rect);
    painter->setFont(option.font);
    painter->setPen(text);
    painter->drawText(option.rect,
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                      QString::fromStdString(row->text));
    painter->restore();
  }

  // Every row is one text line high; the width never asks for a horizontal scroll bar.
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return {1, option.fontMetrics.height()};
  }

 private:
  CDialog& host_;
  int id_;
};

// A classic single-selection list box always keeps one row selected once it has one; Qt lets
// Ctrl+click and Ctrl+Space take the selection off.
class SingleSelectionList : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override {
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    return command.testFlag(QItemSelectionModel::Deselect) ? QItemSelectionModel::NoUpdate
                                                           : command;
  }
};

QListWidget* CreateList(const ControlTemplate& c, QWidget* parent, CDialog& host) {
  auto* list = new SingleSelectionList(parent);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  if (c.styles.ownerDraw) {
    list->setItemDelegate(new OwnerDrawDelegate(*list, host, c.id));
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  }
  return list;
}

void ApplyStatic(QLabel* label, const ControlTemplate& c) {
  const QString text = QString::fromStdString(c.text);
  if (c.kind == ControlKind::kIcon) {
    label->setPixmap(LoadQtIcon(text.toInt()).pixmap(kIconPixels, kIconPixels));
    return;
  }
  label->setTextFormat(Qt::PlainText);
  label->setText(c.styles.noPrefix ? text : StripMnemonics(text));
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

// Sets what the control's Qt class can show.
void ApplyKind(QWidget* widget, const ControlTemplate& c) {
  const QString text = QString::fromStdString(c.text);
  QStringList items;
  for (const std::string& item : c.items) items << QString::fromStdString(item);
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(text);
  if (auto* push = qobject_cast<QPushButton*>(widget)) {
    // Enter is the dialog's business (see QtDialogWindow), not Qt's default-button logic.
    push->setAutoDefault(false);
    push->setDefault(c.kind == ControlKind::kDefPushButton);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    ApplyStatic(label, c);
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(text);
    // A frame listed after the controls it surrounds lies above them; like a classic group box
    // it lets the pointer through to them.
    group->setAttribute(Qt::WA_TransparentForMouseEvents);
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    list->addItems(items);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->addItems(items);
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
  } else if (auto* upDown = qobject_cast<QtUpDown*>(widget)) {
    upDown->SetArrowKeys(c.styles.arrowKeys);
  } else {
    ApplyEdit(widget, c);
  }
}

}  // namespace

QWidget* CreateControl(const ControlTemplate& control, QWidget* parent, CDialog& host) {
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
      return CreateList(control, parent, host);
    case ControlKind::kComboBox:
      return new QComboBox(parent);
    case ControlKind::kRadioButton:
      return new QRadioButton(parent);
    case ControlKind::kCheckBox:
      return new QCheckBox(parent);
    case ControlKind::kUpDown:
      return new QtUpDown(parent);
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
