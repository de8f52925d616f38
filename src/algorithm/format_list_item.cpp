// The list row text of an algorithm.
#include "algorithm/format_list_item.h"

#include "algorithm/algorithm_params.h"

namespace lunda {

std::string FormatListItem(const CAlgorithm& algorithm) {
  std::string text = ParamsDiffer(algorithm.current, algorithm.defaults) ? "* " : "";
  text += algorithm.name;
  text += " {";
  text += algorithm.file;
  text += '}';
  return text;
}

}  // namespace lunda
