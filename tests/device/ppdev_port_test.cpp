// PpdevPort over a fake ppdev: each failure with its step and code, the port always given back.
#include "device/ppdev_port.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <tuple>

namespace lunda {
namespace {

using Step = PortFault::Step;

class FakePpdev final : public PpdevApi {
 public:
  int Open(const std::string&, int& handle) override {
    handle = 7;
    open = openError == 0;
    return openError;
  }
  int Claim(int) override {
    claimed = claimError == 0;
    return claimError;
  }
  int Release(int) override {
    claimed = false;
    return 0;
  }
  void Close(int) override { open = false; }
  int WriteData(int, std::uint8_t) override { return ioError; }
  int ReadData(int, std::uint8_t&) override { return ioError; }

  int openError = 0;
  int claimError = 0;
  int ioError = 0;
  bool open = false;
  bool claimed = false;
};

TEST(PpdevPort, NamesTheFailedStepKeepsTheFirstFailureAndGivesThePortBack) {
  for (const auto& [openError, claimError, fault] :
       {std::tuple{ENOENT, 0, PortFault{Step::kOpen, "/dev/parport0", ENOENT}},
        std::tuple{0, EBUSY, PortFault{Step::kClaim, "/dev/parport0", EBUSY}}}) {
    FakePpdev api;
    api.openError = openError;
    api.claimError = claimError;
    PortFault seen;
    EXPECT_EQ(PpdevPort::Open(api, "/dev/parport0", seen), nullptr);
    EXPECT_EQ(seen, fault);
    EXPECT_FALSE(api.open);
  }

  // Once open, the first failure is kept and the port given back on close.
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
  EXPECT_EQ(port->LastFault(), (PortFault{Step::kWrite, "/dev/parport0", ENODEV}));
  port.reset();
  EXPECT_FALSE(api.claimed || api.open);
}

}  // namespace
}  // namespace lunda
