// Writes in a row through the progress dialog: every one arrives whole, and none leaves a thread
// or a descriptor behind (read from /proc, so Linux only). bench_write_soak runs a thousand and
// reports the memory.
#include "tests/gui/write/write_soak.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lunda {
namespace {

TEST(WriteSoakTest, WritesInARowLeaveNothingBehind) {
  const std::filesystem::path examples = LUNDA_EXAMPLES_DATA;
  CAlgorithm algorithm;
  ASSERT_TRUE(algorithm.Load(examples / "fire.cfg", examples));
  test::WriteSoak soak(algorithm);
  // The first write makes what stays for the process's life: the dialog's fonts and style.
  ASSERT_TRUE(soak.WriteOnce());
  const test::ProcessFigures before = test::ReadProcessFigures();
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(soak.WriteOnce()) << i;
  const test::ProcessFigures after = test::ReadProcessFigures();
  EXPECT_EQ(after.threads, before.threads);
  EXPECT_EQ(after.descriptors, before.descriptors);
}

}  // namespace
}  // namespace lunda
