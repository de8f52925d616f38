// The owner-drawn rows of the algorithm list.
#include "gui/ui/algorithm_list_box.h"

#include <QPainter>
#include <QStyledItemDelegate>

#include "algorithm/format_list_item.h"
#include "gui/ui/display_text.h"

namespace lunda {
namespace {

class AlgorithmRowDelegate : public QStyledItemDelegate {
 public:
  explicit AlgorithmRowDelegate(CAlgorithmListBox& list)
      : QStyledItemDelegate(&list), list_(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const CAlgorithm* algorithm = list_.AlgorithmAt(index.row());
    if (algorithm == nullptr) return;
    const bool selected = option.state & QStyle::State_Selected;
    // The system's highlight, whether or not the list has the focus, as a classic list box.
    const QPalette& palette = option.palette;
    const QColor fill =
        palette.color(QPalette::Active, selected ? QPalette::Highlight : QPalette::Base);
    QColor text =
        palette.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text);
    if (ParamsDiffer(algorithm->current, algorithm->defaults)) text = kChangedRowText;
    painter->save();
    painter->fillRect(option.rect, fill);
    painter->setClipRect(option.rect);
    painter->setFont(option.font);
    painter->setPen(text);
    painter->drawText(option.rect,
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                      ToDisplayText(FormatListItem(*algorithm)));
    painter->restore();
  }

  // Every row is one text line high; the width never asks for a horizontal scroll bar.
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return {1, option.fontMetrics.height()};
  }

 private:
  CAlgorithmListBox& list_;
};

}  // namespace

CAlgorithmListBox::CAlgorithmListBox(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new AlgorithmRowDelegate(*this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

QItemSelectionModel::SelectionFlags CAlgorithmListBox::selectionCommand(const QModelIndex& index,
                                                                        const QEvent* event) const {
  // Qt lets Ctrl+click and Ctrl+Space take the selection off the selected row; a classic
  // single-selection list box always keeps one row selected.
  const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
  return command.testFlag(QItemSelectionModel::Deselect) ? QItemSelectionModel::NoUpdate : command;
}

int CAlgorithmListBox::SelectedRow() const {
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.front().row();
}

CAlgorithm* CAlgorithmListBox::AlgorithmAt(int row) const {
  if (catalogue_ == nullptr || row < 0 || static_cast<std::size_t>(row) >= catalogue_->size()) {
    return nullptr;
  }
  return (*catalogue_)[static_cast<std::size_t>(row)].get();
}

}  // namespace lunda
