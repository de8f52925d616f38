// What every port backend promises, run against each one this machine has.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "device/port_choice.h"
#include "tests/device/fake_clock.h"

namespace lunda {
namespace {

struct Backend {
  const char* name;
  // Null with a reason when this machine lacks the backend.
  std::function<std::unique_ptr<Port>(Clock&, std::string&)> open;
};

// Names the backend in test names and in ctest's list instead of its bytes.
void PrintTo(const Backend& backend, std::ostream* out) { *out << backend.name; }

std::unique_ptr<Port> Open(const PortChoice& choice, Clock& clock,
                           std::optional<std::filesystem::path> vcd, std::string& error) {
  OpenedPort opened;
  if (!OpenPort(choice, clock, vcd, opened, error)) return nullptr;
  return std::move(opened.port);
}

class PortContractTest : public testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    std::string error;
    port = GetParam().open(clock, error);
    if (!port) GTEST_SKIP() << GetParam().name << " is not available here: " << error;
  }
  FakeClock clock;
  std::unique_ptr<Port> port;
};

TEST_P(PortContractTest, ReadsBackTheLevelsItIsGiven) {
  for (const std::uint8_t level :
       {kPortTestLevel, kPortRestLevel, kPortIdleLevel, std::uint8_t{0x83}}) {
    port->Write(level);
    EXPECT_EQ(port->Read(), level);
  }
  EXPECT_TRUE(port->LastError().empty());
}

TEST_P(PortContractTest, PassesTheStartUpPortTest) {
  port->Write(kPortTestLevel);
  EXPECT_NE(port->Read() & kPortTestLevel, 0);
  port->Write(kPortRestLevel);
}

INSTANTIATE_TEST_SUITE_P(
    Backends, PortContractTest,
    testing::Values(
        Backend{"sim",
                [](Clock& clock, std::string& error) {
                  return Open({PortChoice::Kind::kSimulated, "", 0}, clock, std::nullopt, error);
                }},
        Backend{"recorder_over_sim",
                [](Clock& clock, std::string& error) {
                  return Open({PortChoice::Kind::kSimulated, "", 0}, clock,
                              std::filesystem::path(testing::TempDir()) / "lunda_contract.vcd",
                              error);
                }},
        Backend{"ppdev",
                [](Clock& clock, std::string& error) {
                  return Open({PortChoice::Kind::kDevice, "/dev/parport0", 0}, clock, std::nullopt,
                              error);
                }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lunda
