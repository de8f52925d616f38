// PpdevPort over a fake ppdev: each failure with its step and code, the port always given back.
#include "device/ppdev_port.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <tuple>

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

TEST(PpdevPort, OpenFailuresNameTheirStepAndLeaveNothingOpen) {
  using Step = PortFault::Step;
  for (const auto& [openError, claimError, step, code] :
       {std::tuple{ENOENT, 0, Step::kOpen, ENOENT}, std::tuple{0, EBUSY, Step::kClaim, EBUSY}}) {
    FakePpdev api;
    api.openError = openError;
    api.claimError = claimError;
    PortFault fault;
    EXPECT_EQ(PpdevPort::Open(api, "/dev/parport0", fault), nullptr);
    EXPECT_EQ(fault, (PortFault{step, "/dev/parport0", code}));
    EXPECT_FALSE(api.open);
  }
}

TEST(PpdevPort, KeepsTheFirstFailureAndGivesThePortBack) {
  FakePpdev api;
  PortFault unused;
  auto port = PpdevPort::Open(api, "/dev/parport0", unused);
  ASSERT_TRUE(port && api.claimed);
  port->Write(0x81);
  EXPECT_FALSE(port->LastFault());
  api.ioError = ENODEV;
  port->Write(0x80);
  static_cast<void>(port->Read());
  api.ioError = 0;
  port->Write(0x81);
  EXPECT_EQ(port->LastFault(), (PortFault{PortFault::Step::kWrite, "/dev/parport0", ENODEV}));
  port.reset();
  EXPECT_FALSE(api.claimed || api.open);
}

}  // namespace
}  // namespace lunda
