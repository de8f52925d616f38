// The owner-drawn rows of the algorithm list.
#include "gui/ui/algorithm_list_box.h"

#include "algorithm/format_list_item.h"
#include "gui/ui/display_text.h"

namespace lunda {

CAlgorithm* CAlgorithmListBox::AlgorithmAt(int row) const {
  if (catalogue_ == nullptr || row < 0 || static_cast<std::size_t>(row) >= catalogue_->size()) {
    return nullptr;
  }
  return (*catalogue_)[static_cast<std::size_t>(row)].get();
}

std::optional<OwnerDrawnRow> CAlgorithmListBox::DrawItem(int row) const {
  const CAlgorithm* algorithm = AlgorithmAt(row);
  if (algorithm == nullptr) return std::nullopt;
  OwnerDrawnRow drawn{ToDisplayText(FormatListItem(*algorithm)), std::nullopt};
  if (ParamsDiffer(algorithm->current, algorithm->defaults)) drawn.textColor = kChangedRowText;
  return drawn;
}

}  // namespace lunda
