#include "algorithm/volts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "algorithm/volts_text.h"

namespace lunda {
namespace {

// The table holds k times the double nearest 1/255, times 5; a division by 255 would differ in
// 65 entries and so in the codes some typed values snap to.
TEST(VoltsToCodeTest, SnapsUpToTheNextEntryOfTheRoundedStepTable) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const struct {
    double volts;
    int code;
  } cases[] = {{1.0, 51},  {2.49, 127}, {5.01, 255}, {-1.0, 0},   {0.0, 0},
               {0.005, 1}, {3.3, 169},  {kNaN, 255}, {kInf, 255}, {-kInf, 0}};
  for (const auto& c : cases) EXPECT_EQ(VoltsToCode(c.volts), c.code) << c.volts;
  int divisionDiffers = 0;
  volatile double five = 5.0;  // keeps the division from being folded differently
  for (int k = 0; k < 256; ++k) {
    const double volts = CodeToVolts(static_cast<std::uint8_t>(k));
    divisionDiffers += k * five / 255 != volts ? 1 : 0;
    ASSERT_EQ(VoltsToCode(volts), k);
    if (k < 255) {
      ASSERT_EQ(VoltsToCode(std::nextafter(volts, 10.0)), k + 1);
    }
    // What the page shows, cut to hundredths, reads back as the same code.
    ASSERT_EQ(VoltsToCode(TruncateToHundredths(volts)), k);
  }
  EXPECT_EQ(divisionDiffers, 65);
}

TEST(VoltsTextTest, ShowsTruncatedHundredthsAndBinary) {
  const struct {
    int code;
    const char* volts;
    const char* binary;
  } cases[] = {{0, "0", "00000000"},     {2, "0.03", "00000010"},   {26, "0.5", "00011010"},
               {51, "1", "00110011"},    {100, "1.96", "01100100"}, {127, "2.49", "01111111"},
               {128, "2.5", "10000000"}, {169, "3.31", "10101001"}, {255, "5", "11111111"}};
  for (const auto& c : cases) {
    EXPECT_EQ(FormatVolts(CodeToVolts(static_cast<std::uint8_t>(c.code))), c.volts) << c.code;
    EXPECT_EQ(BinaryCodeText(static_cast<std::uint8_t>(c.code)), c.binary);
  }
  EXPECT_EQ(FormatVolts(-1.999), "-1.99");
  EXPECT_EQ(FormatVolts(1e300), "21474836.47");
  EXPECT_EQ(FormatVolts(std::numeric_limits<double>::quiet_NaN()), "0");
}

}  // namespace
}  // namespace lunda
