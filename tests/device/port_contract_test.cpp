// What every port backend promises, run against each one this machine has.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "device/port_choice.h"
#include "tests/device/fake_clock.h"

namespace lunda {
namespace {

struct Backend {
  const char* name;
  PortChoice choice;
  bool recorded;  // behind a waveform recorder
};

// Names the backend in test names and in ctest's list instead of its bytes.
void PrintTo(const Backend& backend, std::ostream* out) { *out << backend.name; }

class PortContractTest : public testing::TestWithParam<Backend> {};

TEST_P(PortContractTest, ReadsBackTheLevelsItIsGivenSoThePortTestPasses) {
  FakeClock clock;
  OpenedPort opened;
  PortFault fault;
  if (!OpenPort(GetParam().choice, clock, opened, fault)) {
    GTEST_SKIP() << GetParam().name << " is not available here: " << DescribeInEnglish(fault);
  }
  const auto vcd = std::filesystem::path(testing::TempDir()) / "lunda_contract.vcd";
  std::string error;
  if (GetParam().recorded) {
    ASSERT_TRUE(RecordPort(opened, clock, vcd, error)) << error;
  }
  for (const std::uint8_t level :
       {kPortTestLevel, kPortRestLevel, kPortIdleLevel, std::uint8_t{0x83}}) {
    opened.port->Write(level);
    EXPECT_EQ(opened.port->Read(), level);
  }
  EXPECT_FALSE(opened.port->LastFault());
}

using Kind = PortChoice::Kind;

INSTANTIATE_TEST_SUITE_P(
    Backends, PortContractTest,
    testing::Values(Backend{"sim", {Kind::kSimulated, "", 0}, false},
                    Backend{"recorder_over_sim", {Kind::kSimulated, "", 0}, true},
                    Backend{"ppdev", {Kind::kDevice, "/dev/parport0", 0}, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lunda
