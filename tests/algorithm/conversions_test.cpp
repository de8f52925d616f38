// The small conversions: delays, the code page and threshold volts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "algorithm/cp1251.h"
#include "algorithm/delay_codec.h"
#include "algorithm/volts.h"
#include "algorithm/volts_text.h"

namespace lunda {
namespace {

TEST(DelayCodecTest, EncodesBitFieldsAndDecodesBack) {
  for (int byte = 0; byte < 256; ++byte) {
    int value = -1, unit = -1;
    DecodeDelay(static_cast<std::uint8_t>(byte), value, unit);
    ASSERT_EQ(EncodeDelay(value, unit), byte);
  }
}

TEST(Cp1251Test, EveryByteRoundTripsRussianMatchesUtf8AndCaseFoldsEveryLetterThatHasOne) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
  EXPECT_EQ(Utf8ToCp1251("日x\xC0\x80\xFFЯ"), "?x???\xDF");
  const std::string upper = Utf8ToCp1251("AZЁЂЃЄЅІЇЈЉЊЋЌЎЏҐАЯ№€");
  std::string folded;
  for (const char c : upper) folded += Cp1251ToLower(c);
  EXPECT_EQ(Cp1251ToUtf8(folded), "azёђѓєѕіїјљњћќўџґая№€");
  int changed = 0;  // A-Z, А-Я and the 15 letters above, nothing else
  for (int b = 0; b < 256; ++b)
    changed += Cp1251ToLower(static_cast<char>(b)) != static_cast<char>(b) ? 1 : 0;
  EXPECT_EQ(changed, 26 + 32 + 15);
}

// The table holds k times the double nearest 1/255, times 5; a division by 255 would differ in
// 65 entries and so in the codes some typed values snap to.
TEST(VoltsToCodeTest, SnapsUpToTheNextEntryOfTheRoundedStepTable) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const std::tuple<double, int> cases[] = {{1.0, 51},   {2.49, 127}, {5.01, 255}, {-1.0, 0},
                                           {0.0, 0},    {0.005, 1},  {3.3, 169},  {kNaN, 255},
                                           {kInf, 255}, {-kInf, 0}};
  for (const auto& [volts, code] : cases) EXPECT_EQ(VoltsToCode(volts), code) << volts;
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
  const std::tuple<int, const char*, const char*> cases[] = {
      {0, "0", "00000000"},     {2, "0.03", "00000010"},   {26, "0.5", "00011010"},
      {51, "1", "00110011"},    {100, "1.96", "01100100"}, {127, "2.49", "01111111"},
      {128, "2.5", "10000000"}, {169, "3.31", "10101001"}, {255, "5", "11111111"}};
  for (const auto& [code, volts, binary] : cases) {
    EXPECT_EQ(FormatVolts(CodeToVolts(static_cast<std::uint8_t>(code))), volts) << code;
    EXPECT_EQ(BinaryCodeText(static_cast<std::uint8_t>(code)), binary);
  }
  EXPECT_EQ(FormatVolts(-1.999), "-1.99");
  EXPECT_EQ(FormatVolts(1e300), "21474836.47");
  EXPECT_EQ(FormatVolts(std::numeric_limits<double>::quiet_NaN()), "0");
}

}  // namespace
}  // namespace lunda
