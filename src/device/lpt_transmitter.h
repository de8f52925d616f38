// Clocks a patched firmware image into the controller, bit by bit, on the port's data register.
#pragma once

#include <atomic>
#include <cstdint>

#include "algorithm/algorithm.h"
#include "device/port.h"
#include "platform/clock.h"

namespace lunda {

// Exit codes of TransmitThreadProc.
inline constexpr int kTransmitDone = 1;        // sent in full, or nothing to send from
inline constexpr int kTransmitNoImage = 2;     // no image buffer or size 0; port untouched
inline constexpr int kTransmitPortFailed = 3;  // the port failed mid-write; see its LastFault

inline constexpr std::uint8_t kClockBit = 0x01;  // D0
inline constexpr std::uint8_t kDataBit = 0x02;   // D1
inline constexpr std::uint8_t kFrameBit = 0x80;  // D7, high throughout a transmission

inline constexpr std::int64_t kBlockPauseUnits = 700;  // pause after every block, in T
inline constexpr std::uint32_t kBytesPerBlock = 32;
// Whole transmission of an image of n bytes in T, without the final sleep: 32T a byte and a
// pause after every 32nd byte, the last one included.
[[nodiscard]] constexpr std::int64_t NominalTransmitUnits(std::uint32_t n) {
  return 32 * static_cast<std::int64_t>(n) + kBlockPauseUnits * (n / kBytesPerBlock);
}

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
};

class LptTransmitter {
 public:
  LptTransmitter(Port& port, Clock& clock) : port(port), clock(clock) {}

  // Busy-waits until ticks have passed since the call: no sleep, no yield, because the
  // platform's sleeps are far coarser than a 100 us step.
  void WaitTicks(std::int64_t ticks);
  // Eight bits, least significant first, each as three writes held T, T and 2T. Leaves 0x81.
  void SendByte(std::uint8_t value, std::int64_t unit);
  // Sends job's image and ends with a 100 ms sleep. Returns one of the kTransmit codes.
  [[nodiscard]] int TransmitThreadProc(TransmitJob* job);

 private:
  Port& port;
  Clock& clock;
};

}  // namespace lunda
