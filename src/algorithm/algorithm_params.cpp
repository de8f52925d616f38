// Comparison of parameter blocks.
#include "algorithm/algorithm_params.h"

namespace lunda {

bool ParamsEqual(const AlgorithmParams& a, const AlgorithmParams& b) { return a == b; }

bool ParamsDiffer(const AlgorithmParams& a, const AlgorithmParams& b) { return !ParamsEqual(a, b); }

}  // namespace lunda
