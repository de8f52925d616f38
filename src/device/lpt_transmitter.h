// Clocks a patched firmware image into the controller, bit by bit, on the port's data register.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <span>

#include "algorithm/algorithm.h"
#include "device/port.h"
#include "device/transmit_sequence.h"
#include "platform/clock.h"
#include "platform/scheduler.h"

namespace lunda {

// Exit codes of TransmitThreadProc.
inline constexpr int kTransmitDone = 1;        // sent in full, or nothing to send from
inline constexpr int kTransmitNoImage = 2;     // no image buffer or size 0; port untouched
inline constexpr int kTransmitPortFailed = 3;  // the port failed mid-write; see its LastFault
// A port that clocks samples itself refused the transmission before sending any (its rate was
// off); see its LastFault.
inline constexpr int kTransmitRefused = 4;

// The end of a block pause that is busy-waited after the sleep, since a sleep wakes late. A
// real-time thread on a busy 2-core virtual machine woke 0.06 to 0.11 ms late in the median and
// up to 0.6 ms in 99 % of the pauses (bench_transmitter prints it); more would only cost
// processor time, 160 pauses x 0.5 ms a write.
inline constexpr std::chrono::microseconds kPauseFinalSpin{500};

// The time unit T for a counter of frequency ticks per second: the whole ticks of 100 us.
// Integer division gives the same value as truncating f * 0.0001 for every frequency a counter
// can have, without the rounding question.
[[nodiscard]] constexpr std::int64_t TimeUnitTicks(std::int64_t frequency) {
  return frequency / 10'000;
}

// What the transmit thread works on. Its owner (the progress dialog, the CLI) sets the algorithm
// and keeps the job alive until the thread has ended; bytesSent has one writer, the thread.
struct TransmitJob {
  const CAlgorithm* algorithm = nullptr;
  std::atomic<std::uint32_t> bytesSent{0};
  // What the system granted the thread for the transmission; read it once the thread has ended.
  SchedulingMode scheduling = SchedulingMode::kDefault;
};

class LptTransmitter {
 public:
  LptTransmitter(Port& port, Clock& clock, Scheduler& scheduler)
      : port(port), clock(clock), scheduler(scheduler) {}

  // Busy-waits until ticks have passed since the call: no sleep, no yield, because the
  // platform's sleeps are far coarser than a 100 us step.
  void WaitTicks(std::int64_t ticks);
  // Eight bits, least significant first, each as three writes held T, T and 2T. Leaves 0x81.
  void SendByte(std::uint8_t value, std::int64_t unit);
  // Sends job's image, on real-time scheduling where the system grants it, and ends with a
  // 100 ms sleep; to a port that clocks samples itself, as one stream (sample_stream.h). Returns
  // one of the kTransmit codes.
  [[nodiscard]] int TransmitThreadProc(TransmitJob* job);

 private:
  // Sleeps through all of ticks but the final spin, then busy-waits to the end: however the
  // sleep wakes, the pause is never shorter than ticks.
  void PauseTicks(std::int64_t ticks, std::int64_t finalSpin);
  void SpinUntil(std::int64_t start, std::int64_t ticks);
  class BusyWaitSender;

  Port& port;
  Clock& clock;
  Scheduler& scheduler;
};

}  // namespace lunda
