#include "algorithm/catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_dir.h"

namespace lunda {
namespace {

TEST(ScanCatalogueTest, OrdersByUnsignedNumberKeepingScanOrderForEqualNumbers) {
  testing::TempDir dir;
  dir.Write("img.bin", std::string(10, '\1'));
  // Scanned in the byte order of the names, capitals first: F, a, b, c, d, e.
  dir.Write("a.cfg", "number=5\nname=five-first\nfile=img.bin");
  dir.Write("b.cfg", "number=2\nname=two\nfile=img.bin");
  dir.Write("c.cfg", "number=5\nname=five-second\nfile=img.bin");
  dir.Write("d.cfg", "number=-3\nname=minus-three\nfile=img.bin");
  dir.Write("e.CFG", "name=no-number\nfile=img.bin");
  dir.Write("F.Cfg", "number=4000000000\nname=saturated\nfile=img.bin");
  dir.Write("g.cfg", "number=1\nname=missing-image\nfile=none.bin");
  dir.Write("h.cfg.txt", "number=1\nname=not-a-description\nfile=img.bin");
  AlgorithmCatalogue catalogue;
  ASSERT_TRUE(ScanCatalogue(dir.path(), catalogue));
  std::vector<std::string> names;
  for (const auto& algorithm : catalogue) names.push_back(algorithm->name);
  EXPECT_EQ(names, (std::vector<std::string>{"no-number", "two", "five-first", "five-second",
                                             "saturated", "minus-three"}));
  EXPECT_NE(catalogue[2]->image.data(), catalogue[3]->image.data());
}

}  // namespace
}  // namespace lunda
