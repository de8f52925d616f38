#include "device/port_driver_ppdev.h"

#include <gtest/gtest.h>

#include <vector>

#include "recording_reporter.h"

namespace lunda {
namespace {

class EchoPort : public Port {
 public:
  std::uint8_t mask = 0xFF;  // lines that read back what was written
  std::uint8_t level = 0;
  void Write(std::uint8_t value) override { level = value; }
  std::uint8_t Read() override { return level & mask; }
};

TEST(PpdevPortDriver, OpenedPortThatAnswersLoads) {
  EchoPort port;
  RecordingReporter reporter;
  EXPECT_TRUE(LoadPortDriver(reporter, &port, ""));
  EXPECT_EQ(port.level, kPortTestLevel);
  EXPECT_TRUE(reporter.errors.empty());
}

TEST(PpdevPortDriver, SilentPortIsReported) {
  EchoPort port;
  port.mask = 0x00;
  RecordingReporter reporter;
  EXPECT_FALSE(LoadPortDriver(reporter, &port, ""));
  EXPECT_EQ(reporter.errors, std::vector<std::string>{"Не могу получить доступ к LPT-порту"});
}

TEST(PpdevPortDriver, FailingPortNamesItsError) {
  class BrokenPort : public EchoPort {
   public:
    std::string LastError() const override { return "ppdev: Input/output error"; }
  } port;
  port.mask = 0x00;
  RecordingReporter reporter;
  EXPECT_FALSE(LoadPortDriver(reporter, &port, ""));
  EXPECT_EQ(reporter.errors, std::vector<std::string>{
                                 "Не могу получить доступ к LPT-порту\nppdev: Input/output error"});
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
