// SimulatedController: the data latch and the controller's decoder on the real clock's times.
#include "device/simulated_controller.h"

#include "device/lpt_transmitter.h"

namespace lunda {

SimulatedController::SimulatedController(Clock& clock)
    : clock(clock), decoder(clock.Frequency(), TimeUnitTicks(clock.Frequency())) {}

void SimulatedController::Write(std::uint8_t value) {
  latch = value;
  decoder.Feed(clock.Now(), value);
}

std::uint8_t SimulatedController::Read() { return latch; }

TransferReport SimulatedController::Report() const { return decoder.Result(clock.Now()); }

void SimulatedController::Reset() {
  decoder = BitStreamDecoder(clock.Frequency(), TimeUnitTicks(clock.Frequency()));
}

}  // namespace lunda
