// The port choices people type, good and bad.
#include "device/port_choice.h"

#include <gtest/gtest.h>

#include "tests/device/fake_clock.h"

namespace lunda {
namespace {

struct ChoiceCase {
  const char* text;
  std::optional<PortChoice> expected;
};

void PrintTo(const ChoiceCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class PortChoiceTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(PortChoiceTest, ParsesOrExplains) {
  PortChoice choice;
  std::string error;
  const bool parsed = ParsePortChoice(GetParam().text, choice, error);
  ASSERT_EQ(parsed, GetParam().expected.has_value()) << GetParam().text << ": " << error;
  if (parsed) {
    EXPECT_EQ(choice, *GetParam().expected);
  } else {
    EXPECT_NE(error.find(GetParam().text), std::string::npos) << error;
  }
}

using Kind = PortChoice::Kind;

INSTANTIATE_TEST_SUITE_P(
    Choices, PortChoiceTest,
    testing::Values(ChoiceCase{"sim", PortChoice{Kind::kSimulated, "", 0}},
                    ChoiceCase{"/dev/parport0", PortChoice{Kind::kDevice, "/dev/parport0", 0}},
                    ChoiceCase{"io:0x378", PortChoice{Kind::kDirectIo, "", 0x378}},
                    ChoiceCase{"io:0X3bc", PortChoice{Kind::kDirectIo, "", 0x3BC}},
                    ChoiceCase{"io:888", PortChoice{Kind::kDirectIo, "", 888}},
                    ChoiceCase{"io:0xFFFF", PortChoice{Kind::kDirectIo, "", 0xFFFF}},
                    ChoiceCase{"io:0x10000", std::nullopt}, ChoiceCase{"io:0", std::nullopt},
                    ChoiceCase{"io:", std::nullopt}, ChoiceCase{"io:0x", std::nullopt},
                    ChoiceCase{"io:-1", std::nullopt}, ChoiceCase{"io:378h", std::nullopt},
                    ChoiceCase{"io:99999999999999999999", std::nullopt},
                    ChoiceCase{"SIM", std::nullopt}, ChoiceCase{"", std::nullopt},
                    ChoiceCase{"lpt1", std::nullopt}));

TEST(RecordPort, ReportsARecordingThatCannotBeCreated) {
  FakeClock clock;
  OpenedPort opened;
  PortFault fault;
  ASSERT_TRUE(OpenPort({Kind::kSimulated, "", 0}, clock, opened, fault));
  std::string error;
  EXPECT_FALSE(RecordPort(opened, clock,
                          std::filesystem::path(testing::TempDir()) / "missing" / "x.vcd", error));
  EXPECT_EQ(opened.port, nullptr);
  EXPECT_EQ(opened.simulator, nullptr);
  EXPECT_NE(error.find("x.vcd"), std::string::npos);
}

}  // namespace
}  // namespace lunda
