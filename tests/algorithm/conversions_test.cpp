// The small conversions: delays, dates, code page, list text.
#include <gtest/gtest.h>

#include "algorithm/calendar_date.h"
#include "algorithm/cp1251.h"
#include "algorithm/delay_codec.h"
#include "algorithm/format_list_item.h"

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

TEST(CalendarDateTest, WritableRangeAndRealDates) {
  EXPECT_TRUE(IsWritableDate({1970, 1, 1}));
  EXPECT_TRUE(IsWritableDate({2069, 12, 31}));
  EXPECT_TRUE(IsWritableDate({2000, 2, 29}));
  EXPECT_FALSE(IsWritableDate({2100, 2, 29}));
  EXPECT_FALSE(IsWritableDate({2023, 2, 29}));
  EXPECT_FALSE(IsWritableDate({1969, 12, 31}));
  EXPECT_FALSE(IsWritableDate({2070, 1, 1}));
  EXPECT_FALSE(IsWritableDate({2024, 0, 10}));
  EXPECT_FALSE(IsWritableDate({2024, 6, 31}));
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

TEST(FormatListItemTest, MarksChangedParameters) {
  CAlgorithm algorithm;
  algorithm.name = "12";
  algorithm.file = "a.bin";
  EXPECT_EQ(FormatListItem(algorithm), "12 {a.bin}");
  algorithm.current.delays[35] = 1;
  EXPECT_EQ(FormatListItem(algorithm), "* 12 {a.bin}");
  EXPECT_TRUE(ParamsDiffer(algorithm.current, algorithm.defaults));
  algorithm.current = algorithm.defaults;
  EXPECT_TRUE(ParamsEqual(algorithm.current, algorithm.defaults));
  algorithm.name.clear();
  EXPECT_EQ(FormatListItem(algorithm), " {a.bin}");
}

}  // namespace
}  // namespace lunda
