// Catalogues made in memory for the main-window tests: names, files, descriptions and changes.
#pragma once

#include <memory>
#include <string>

#include "algorithm/catalogue.h"
#include "algorithm/cp1251.h"

namespace lunda::test {

// Appends an algorithm; texts are given in UTF-8 and stored as the files' Windows-1251 bytes.
inline CAlgorithm& AddAlgorithm(AlgorithmCatalogue& catalogue, const std::string& name,
                                const std::string& file, const std::string& description = {},
                                bool changed = false) {
  auto algorithm = std::make_unique<CAlgorithm>();
  algorithm->name = Utf8ToCp1251(name);
  algorithm->file = Utf8ToCp1251(file);
  algorithm->description = Utf8ToCp1251(description);
  if (changed) ++algorithm->current.startDelay;
  catalogue.push_back(std::move(algorithm));
  return *catalogue.back();
}

}  // namespace lunda::test
