#include "device/driver_registration_list.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace lunda {
namespace {

std::vector<std::uint8_t> CountField(std::int32_t n) {
  const auto bits = static_cast<std::uint32_t>(n);
  return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
          static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

TEST(DriverRegistrationList, WritesLittleEndianCountThenNumbers) {
  EXPECT_EQ(SerializeRegistrationList({1}), (std::vector<std::uint8_t>{1, 0, 0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(SerializeRegistrationList({}), (std::vector<std::uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(SerializeRegistrationList({0x01020304, -2}),
            (std::vector<std::uint8_t>{2, 0, 0, 0, 4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF}));
}

struct ParseCase {
  std::string name;
  std::vector<std::uint8_t> bytes;
  std::optional<RegistrationList> expected;
};

void PrintTo(const ParseCase& c, std::ostream* out) { *out << c.name; }

class ParseRegistrationListTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseRegistrationListTest, ReadsOrRejects) {
  EXPECT_EQ(ParseRegistrationList(GetParam().bytes), GetParam().expected);
}

std::vector<ParseCase> ParseCases() {
  std::vector<std::uint8_t> full = CountField(1024);
  full.resize(4 + 4 * 1024, 0);
  std::vector<std::uint8_t> tooMany = CountField(1025);
  tooMany.resize(4 + 4 * 1025, 0);
  return {
      {"NoBytesIsEmpty", {}, RegistrationList{}},
      {"ZeroCount", {0, 0, 0, 0}, RegistrationList{}},
      {"TwoNumbers", {2, 0, 0, 0, 5, 0, 0, 0, 1, 0, 0, 0}, RegistrationList{5, 1}},
      {"TrailingBytesIgnored", {1, 0, 0, 0, 7, 0, 0, 0, 9, 9}, RegistrationList{7}},
      {"FullRoom", full, RegistrationList(1024, 0)},
      {"CountCutShort", {1, 0, 0}, std::nullopt},
      {"NegativeCount", CountField(-1), std::nullopt},
      {"CountOverRoom", tooMany, std::nullopt},
      {"NumbersCutShort", {2, 0, 0, 0, 5, 0, 0, 0, 1, 0}, std::nullopt},
  };
}

INSTANTIATE_TEST_SUITE_P(Files, ParseRegistrationListTest, testing::ValuesIn(ParseCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace lunda
