// PpdevPort over a fake ppdev: advice for each failure, and the port always given back.
#include "device/ppdev_port.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace lunda {
namespace {

class FakePpdev final : public PpdevApi {
 public:
  int Open(const std::string&, int& handle) override {
    handle = 7;
    if (openError == 0) open = true;
    return openError;
  }
  int Claim(int) override {
    if (claimError == 0) claimed = true;
    return claimError;
  }
  int Release(int) override {
    claimed = false;
    return 0;
  }
  void Close(int) override { open = false; }
  int WriteData(int, std::uint8_t value) override {
    data = value;
    return ioError;
  }
  int ReadData(int, std::uint8_t& value) override {
    value = data;
    return ioError;
  }

  int openError = 0;
  int claimError = 0;
  int ioError = 0;
  bool open = false;
  bool claimed = false;
  std::uint8_t data = 0;
};

struct OpenFailure {
  int openError;
  int claimError;
  const char* advice;
};

// Names each case by the advice it expects, in test names and in ctest's list.
void PrintTo(const OpenFailure& failure, std::ostream* out) { *out << failure.advice; }

class PpdevOpenFailureTest : public testing::TestWithParam<OpenFailure> {};

TEST_P(PpdevOpenFailureTest, NamesTheRemedyAndLeavesNothingOpen) {
  FakePpdev api;
  api.openError = GetParam().openError;
  api.claimError = GetParam().claimError;
  std::string error;
  EXPECT_EQ(PpdevPort::Open(api, "/dev/parport0", error), nullptr);
  EXPECT_NE(error.find("/dev/parport0"), std::string::npos) << error;
  EXPECT_NE(error.find(GetParam().advice), std::string::npos) << error;
  EXPECT_FALSE(api.open);
}

INSTANTIATE_TEST_SUITE_P(Errors, PpdevOpenFailureTest,
                         testing::Values(OpenFailure{ENOENT, 0, "modprobe ppdev"},
                                         OpenFailure{EACCES, 0, "group lp"},
                                         OpenFailure{ENXIO, 0, "parport_pc"},
                                         OpenFailure{0, EBUSY, "rmmod lp"}));

TEST(PpdevPort, KeepsAFailedWriteReportedAndGivesThePortBack) {
  FakePpdev api;
  std::string error;
  auto port = PpdevPort::Open(api, "/dev/parport0", error);
  ASSERT_TRUE(port && api.claimed);
  port->Write(0x81);
  EXPECT_TRUE(port->LastError().empty());
  api.ioError = ENODEV;
  port->Write(0x80);
  api.ioError = 0;
  port->Write(0x81);
  EXPECT_NE(port->LastError().find("writing /dev/parport0"), std::string::npos);
  port.reset();
  EXPECT_FALSE(api.claimed || api.open);
}

}  // namespace
}  // namespace lunda
