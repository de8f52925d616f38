// The small conversions: delays and the code page.
#include <gtest/gtest.h>

#include "algorithm/cp1251.h"
#include "algorithm/delay_codec.h"

namespace lunda {
namespace {

TEST(DelayCodecTest, EncodesBitFieldsAndDecodesBack) {
  for (int byte = 0; byte < 256; ++byte) {
    int value = -1;
    int unit = -1;
    DecodeDelay(static_cast<std::uint8_t>(byte), value, unit);
    ASSERT_EQ(EncodeDelay(value, unit), byte);
  }
}

TEST(Cp1251Test, EveryByteRoundTripsRussianMatchesUtf8AndCaseFoldsEveryLetterThatHasOne) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
  EXPECT_EQ(Cp1251ToUtf8("\xA8\xB8\xB9\x88"), "Ёё№€");
  EXPECT_EQ(Utf8ToCp1251("日x\xC0\x80\xFFЯ"), "?x???\xDF");
  const std::string upper = Utf8ToCp1251("AZЁЂЃЄЅІЇЈЉЊЋЌЎЏҐАЯ");
  std::string folded;
  for (const char c : upper) folded += Cp1251ToLower(c);
  EXPECT_EQ(Cp1251ToUtf8(folded), "azёђѓєѕіїјљњћќўџґая");
  int changed = 0;  // A-Z, А-Я and the 15 letters above, nothing else
  for (int b = 0; b < 256; ++b)
    changed += Cp1251ToLower(static_cast<char>(b)) != static_cast<char>(b) ? 1 : 0;
  EXPECT_EQ(changed, 26 + 32 + 15);
}

}  // namespace
}  // namespace lunda
