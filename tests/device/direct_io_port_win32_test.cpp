// The port instructions where the system has not granted the port (Wine never does, on either
// kind of prefix): the processor's refusal becomes the port's fault, and a write stops with its
// own code, instead of the privileged-instruction fault ending the process.
#include <gtest/gtest.h>

#include <cerrno>

#include "device/direct_io_port.h"
#include "device/lpt_transmitter.h"
#include "tests/device/fake_clock.h"
#include "tests/device/fake_scheduler.h"

namespace lunda {
namespace {

TEST(DirectIoPortWin32, ARefusedInstructionStopsTheWriteInsteadOfTheProgram) {
  PortFault fault;
  const std::unique_ptr<DirectIoPort> port = DirectIoPort::Open(0x378, fault);
  FakeClock clock;
  FakeScheduler scheduler;
  CAlgorithm algorithm;
  TransmitJob job;
  job.algorithm = &algorithm;
  EXPECT_EQ(LptTransmitter(*port, clock, scheduler).TransmitThreadProc(&job), kTransmitPortFailed);
  EXPECT_EQ(job.bytesSent.load(), 0u);
  EXPECT_EQ(port->LastFault(), (PortFault{PortFault::Step::kDirectIo, "0x378", EACCES}));
}

}  // namespace
}  // namespace lunda
