// The small conversions: delays and the code page.
#include <gtest/gtest.h>

#include "algorithm/cp1251.h"
#include "algorithm/delay_codec.h"

namespace lunda {
namespace {

TEST(DelayCodecTest, EncodesBitFieldsAndDecodesBack) {
  EXPECT_EQ(EncodeDelay(45, kMinutes), 0x6D);
  EXPECT_EQ(EncodeDelay(64, kSeconds), 0x00);
  EXPECT_EQ(EncodeDelay(5, 4), 0x05);
  for (int byte = 0; byte < 256; ++byte) {
    int value = -1;
    int unit = -1;
    DecodeDelay(static_cast<std::uint8_t>(byte), value, unit);
    ASSERT_EQ(EncodeDelay(value, unit), byte);
    ASSERT_LE(value, kMaxDelayValue);
  }
  int value = 0;
  int unit = 0;
  DecodeDelay(0xC5, value, unit);
  EXPECT_EQ(value, 5);
  EXPECT_EQ(unit, kDays);
}

TEST(Cp1251Test, EveryByteRoundTripsAndRussianMatchesUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
  EXPECT_EQ(Cp1251ToUtf8(NotUsedPurpose()), "Не используется");
  EXPECT_EQ(Cp1251ToUtf8(AlwaysZeroPurpose()), "Всегда 0");
  EXPECT_EQ(Cp1251ToUtf8("\xA8\xB8\xB9\x88"), "Ёё№€");
  EXPECT_EQ(Utf8ToCp1251("日x\xC0\x80\xFFЯ"), "?x???\xDF");
}

TEST(Cp1251Test, FoldsTheCaseOfEveryLetterThatHasOne) {
  const std::string upper = Utf8ToCp1251("AZЁЂЃЄЅІЇЈЉЊЋЌЎЏҐАЯ");
  const std::string lower = Utf8ToCp1251("azёђѓєѕіїјљњћќўџґая");
  for (std::size_t i = 0; i < upper.size(); ++i) EXPECT_EQ(Cp1251ToLower(upper[i]), lower[i]) << i;
  int changed = 0;  // A-Z, А-Я and the 15 letters above, nothing else
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    changed += Cp1251ToLower(c) != c ? 1 : 0;
  }
  EXPECT_EQ(changed, 26 + 32 + 15);
}

}  // namespace
}  // namespace lunda
