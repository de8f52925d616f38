// The ordered list of algorithms found in the data folder.
#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "algorithm/algorithm.h"

namespace lunda {

// Ascending by number compared as unsigned 32-bit; equal numbers keep the scan's order.
using AlgorithmCatalogue = std::vector<std::unique_ptr<CAlgorithm>>;

// Loads every "*.cfg" (any case) of dataDir, by name order, into catalogue. Entries that cannot
// be loaded are skipped silently. True when at least one algorithm was added.
[[nodiscard]] bool ScanCatalogue(const std::filesystem::path& dataDir,
                                 AlgorithmCatalogue& catalogue);

// Inserts before the first entry with a greater unsigned number.
void InsertByNumber(AlgorithmCatalogue& catalogue, std::unique_ptr<CAlgorithm> algorithm);

}  // namespace lunda
