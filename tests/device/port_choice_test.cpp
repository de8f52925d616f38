// The port choices people type, good and bad, and what every backend they open promises.
#include "device/port_choice.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/device/fake_clock.h"

namespace lunda {
namespace {

using Kind = PortChoice::Kind;

TEST(PortChoice, ParsesOrExplains) {
  const std::pair<const char*, PortChoice> good[] = {
      {"sim", {Kind::kSimulated, "", 0}},
      {"/dev/parport0", {Kind::kDevice, "/dev/parport0", 0}},
      {"io:0x378", {Kind::kDirectIo, "", 0x378}},
      {"io:0X3bc", {Kind::kDirectIo, "", 0x3BC}},
      {"io:888", {Kind::kDirectIo, "", 888}},
      {"io:0xFFFF", {Kind::kDirectIo, "", 0xFFFF}},
      {"ftdi", {Kind::kFtdi, "", 0}},
      {"ftdi:FT1A2B3C", {Kind::kFtdi, "FT1A2B3C", 0}}};
  PortChoice choice;
  std::string error;
  for (const auto& [text, expected] : good) {
    EXPECT_TRUE(ParsePortChoice(text, choice, error)) << text << ": " << error;
    EXPECT_EQ(choice, expected) << text;
  }
  for (const char* bad : {"io:0x10000", "io:0", "io:", "io:0x", "io:-1", "io:378h",
                          "io:99999999999999999999", "SIM", "", "lpt1", "ftdi:", "FTDI"}) {
    EXPECT_FALSE(ParsePortChoice(bad, choice, error)) << '"' << bad << '"';
    EXPECT_NE(error.find(bad), std::string::npos) << error;
  }
}

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
