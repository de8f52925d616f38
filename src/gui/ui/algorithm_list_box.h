// CAlgorithmListBox: the main window's list, one row per catalogue entry, drawn from the entry.
#pragma once

#include <optional>

#include "algorithm/catalogue.h"
#include "gui/framework/list_box.h"

namespace lunda {

// A changed algorithm's row text, also while selected.
inline constexpr Rgb kChangedRowText{200, 0, 0};

// A fixed-height, single-selection list whose rows are drawn from the catalogue entry at the
// same position: the row text is FormatListItem computed at drawing time, dark red while the
// parameters differ from the defaults, with '&' drawn as an underline of the next character.
class CAlgorithmListBox : public CListBox {
 public:
  using CListBox::CListBox;

  // The entries the rows show; must outlive the list. Null draws nothing.
  void SetCatalogue(const AlgorithmCatalogue* catalogue) { catalogue_ = catalogue; }
  // The entry of that row, or null past the catalogue's end, for -1, or for a null entry.
  [[nodiscard]] CAlgorithm* AlgorithmAt(int row) const;
  // How the row is drawn; nothing for a row without an entry.
  [[nodiscard]] std::optional<OwnerDrawnRow> DrawItem(int row) const;

 private:
  const AlgorithmCatalogue* catalogue_ = nullptr;
};

}  // namespace lunda
