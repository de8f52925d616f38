// Driver management on Linux: the port test and what each failure tells the user.
#include "device/port_driver_ppdev.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "recording_reporter.h"

namespace lunda {
namespace {

class EchoPort : public Port {
 public:
  std::uint8_t mask = 0xFF;  // lines that read back what was written
  std::string error;
  std::uint8_t level = 0;
  void Write(std::uint8_t value) override { level = value; }
  std::uint8_t Read() override { return level & mask; }
  std::string LastError() const override { return error; }
};

TEST(PpdevPortDriver, LoadsAnAnsweringPortAndNamesEveryFailure) {
  constexpr char kAccess[] = "Не могу получить доступ к LPT-порту";
  using Case = std::tuple<std::uint8_t, std::string, std::vector<std::string>>;
  for (const auto& [mask, portError, errors] :
       std::vector<Case>{{0xFF, "", {}},
                         {0x00, "", {kAccess}},
                         {0x00,
                          "ppdev: Input/output error",
                          {std::string(kAccess) + "\nppdev: Input/output error"}}}) {
    EchoPort port;
    port.mask = mask;
    port.error = portError;
    RecordingReporter reporter;
    EXPECT_EQ(LoadPortDriver(reporter, &port, ""), errors.empty());
    EXPECT_EQ(reporter.errors, errors);
    EXPECT_EQ(port.level, kPortTestLevel);
  }
}

TEST(PpdevPortDriver, PortThatDidNotOpenNamesTheReasonAndRemedy) {
  RecordingReporter reporter;
  EXPECT_FALSE(LoadPortDriver(reporter, nullptr, "/dev/parport0: Permission denied"));
  ASSERT_EQ(reporter.errors.size(), 1u);
  EXPECT_TRUE(reporter.errors[0].starts_with(
      "Не могу получить доступ к LPT-порту\n/dev/parport0: Permission denied\n"));
  EXPECT_NE(reporter.errors[0].find("ppdev"), std::string::npos);
}

TEST(PpdevPortDriver, InstallAndRemoveOnlyExplain) {
  RecordingReporter reporter;
  EXPECT_TRUE(InstallPortDriver(reporter));
  EXPECT_TRUE(RemovePortDriver(reporter));
  EXPECT_EQ(reporter.notices.size(), 2u);
  EXPECT_TRUE(reporter.errors.empty());
}

}  // namespace
}  // namespace lunda
