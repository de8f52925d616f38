// Driver management on Linux: the port test and what each failure tells the user.
#include "device/port_driver_ppdev.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
#include <tuple>
#include <vector>

#include "recording_reporter.h"

namespace lunda {
namespace {

class EchoPort : public Port {
 public:
  std::uint8_t mask = 0xFF;  // lines that read back what was written
  std::optional<PortFault> fault;
  std::uint8_t level = 0;
  void Write(std::uint8_t value) override { level = value; }
  std::uint8_t Read() override { return level & mask; }
  std::optional<PortFault> LastFault() const override { return fault; }
};

TEST(PpdevPortDriver, LoadsAnAnsweringPortAndNamesEveryFailure) {
  constexpr char kAccess[] = "Не могу получить доступ к LPT-порту";
  const PortFault readFailed{PortFault::Step::kRead, "/dev/parport0", EIO};
  using Case = std::tuple<std::uint8_t, std::optional<PortFault>, std::vector<std::string>>;
  for (const auto& [mask, fault, errors] : std::vector<Case>{
           {0xFF, std::nullopt, {}},
           {0x00, std::nullopt, {kAccess}},
           {0x00, readFailed, {std::string(kAccess) + "\n" + DescribeInRussian(readFailed)}}}) {
    EchoPort port;
    port.mask = mask;
    port.fault = fault;
    RecordingReporter reporter;
    EXPECT_EQ(LoadPortDriver(reporter, port), errors.empty());
    EXPECT_EQ(reporter.errors, errors);
    EXPECT_EQ(port.level, kPortTestLevel);
  }
}

}  // namespace
}  // namespace lunda
