// CAlgorithmListBox: the main window's list, one row per catalogue entry, drawn from the entry.
#pragma once

#include <QListWidget>

#include "algorithm/catalogue.h"

namespace lunda {

// Row colours, apart from the palette's: a changed algorithm's text, also while selected.
inline const QColor kChangedRowText{200, 0, 0};

// A fixed-height, single-selection list whose rows are drawn from the catalogue entry at the
// same position: the row text is "FormatListItem" computed at drawing time, dark red while the
// parameters differ from the defaults, with '&' drawn as an underline of the next character.
class CAlgorithmListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit CAlgorithmListBox(QWidget* parent = nullptr);

  // The entries the rows show; must outlive the list. Null draws nothing.
  void SetCatalogue(const AlgorithmCatalogue* catalogue) { catalogue_ = catalogue; }
  // The entry of that row, or null past the catalogue's end, for -1, or for a null entry.
  [[nodiscard]] CAlgorithm* AlgorithmAt(int row) const;
  // The selected row, or -1. Every command acts on it; the current row may lie elsewhere.
  [[nodiscard]] int SelectedRow() const;

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;

 private:
  const AlgorithmCatalogue* catalogue_ = nullptr;
};

}  // namespace lunda
