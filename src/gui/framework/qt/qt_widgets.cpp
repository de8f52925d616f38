// The list box with owner-drawn rows, the tab control, and placing widgets from templates.
#include "gui/framework/qt/qt_widgets.h"

#include <QFrame>
#include <QPainter>
#include <QStyledItemDelegate>

#include "gui/framework/qt/qt_controls.h"
#include "gui/framework/qt/qt_icons.h"

namespace lunda {
namespace {

constexpr int kComboUnits = 12;  // closed height of a drop-down list; the rect gives the list's

QColor ColorOf(const std::variant<SystemColor, Rgb>& color, const QPalette& palette) {
  if (const Rgb* rgb = std::get_if<Rgb>(&color)) return QColor(rgb->red, rgb->green, rgb->blue);
  switch (std::get<SystemColor>(color)) {
    case SystemColor::kWindow:
      return palette.color(QPalette::Active, QPalette::Base);
    case SystemColor::kWindowText:
      return palette.color(QPalette::Active, QPalette::Text);
    case SystemColor::kHighlight:
      return palette.color(QPalette::Active, QPalette::Highlight);
    case SystemColor::kHighlightText:
      return palette.color(QPalette::Active, QPalette::HighlightedText);
  }
  return {};
}

// Paints each row as the dialog says.
class OwnerDrawDelegate : public QStyledItemDelegate {
 public:
  OwnerDrawDelegate(QListWidget& list, WindowHost& host, int id)
      : QStyledItemDelegate(&list), host_(host), id_(id) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const std::optional<RowPainting> row =
        host_.PaintRow(id_, index.row(), option.state & QStyle::State_Selected);
    if (!row) return;
    painter->save();
    painter->fillRect(option.rect, ColorOf(row->fill, option.palette));
    painter->setClipRect(option.rect);
    painter->setFont(option.font);
    painter->setPen(ColorOf(row->textColor, option.palette));
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
  WindowHost& host_;
  int id_;
};

// Qt lets Ctrl+click and Ctrl+Space take the selection off a single-selection list.
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

}  // namespace

QListWidget* NewListBox(const ControlTemplate& control, QWidget& parent, WindowHost& host) {
  auto* list = new SingleSelectionList(&parent);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  if (control.styles.ownerDraw) {
    list->setItemDelegate(new OwnerDrawDelegate(*list, host, control.id));
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  }
  return list;
}

QtTabControl::QtTabControl(QWidget* parent)
    : QWidget(parent), tabs_(new QTabBar(this)), frame_(new QFrame(this)) {
  static_cast<QFrame*>(frame_)->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  tabs_->setDrawBase(false);
  // The tabs take the focus, and their place in the tab order, for the whole control.
  setFocusProxy(tabs_);
}

void QtTabControl::resizeEvent(QResizeEvent* event) {
  const int strip = tabs_->sizeHint().height();
  tabs_->setGeometry(0, 0, width(), strip);
  frame_->setGeometry(0, strip, width(), height() - strip);
  QWidget::resizeEvent(event);
}

void PlaceControl(QWidget& widget, const ControlTemplate& control, const DialogUnits& units) {
  QRect rect = units.ToPixels(control.rect);
  if (control.kind == ControlKind::kIcon) rect.setSize(QSize(kQtIconPixels, kQtIconPixels));
  if (control.kind == ControlKind::kComboBox) rect.setHeight(units.Y(kComboUnits));
  widget.setGeometry(rect);
  widget.setEnabled(!control.styles.disabled);
  const bool label = control.kind == ControlKind::kStatic || control.kind == ControlKind::kIcon ||
                     control.kind == ControlKind::kGroupBox;
  if (label) {
    widget.setFocusPolicy(Qt::NoFocus);
  } else if (widget.focusPolicy() != Qt::NoFocus) {
    widget.setFocusPolicy(control.styles.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
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
