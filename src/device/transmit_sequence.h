// The transmission of an image as the controller sees it on the lines, written down once: the
// port values in their order and how many time units T each is held. Both ways of sending walk it:
// LptTransmitter writes each value and waits its hold on the PC's counter, and the clocked stream
// of a USB adapter repeats each value once per T (see sample_stream.h).
//
// For one bit b, least significant first:
//   0x81 + 2b  held T    (D7 high, D1 = b, D0 high: data set up before the clock falls)
//   0x80 + 2b  held T    (D0 low: the controller takes D1 on this falling edge)
//   0x81       held 2T   (rest: clock high again, D1 back to 0)
// A byte is eight bits, 32T. After every 32nd byte, the last included, the lines stay at 0x81 for
// a pause of 700T more, while the controller stores the block. After the last byte the lines stay
// as they are for a final 100 ms. For 5120 bytes: 5120 x 32T + 160 x 700T = 275 840 T.
#pragma once

#include <chrono>
#include <cstdint>
#include <span>

namespace lunda {

inline constexpr std::uint8_t kClockBit = 0x01;  // D0
inline constexpr std::uint8_t kDataBit = 0x02;   // D1
inline constexpr std::uint8_t kFrameBit = 0x80;  // D7, high throughout a transmission

inline constexpr std::int64_t kSetupUnits = 1;     // data steady before the clock falls
inline constexpr std::int64_t kClockLowUnits = 1;  // clock low
inline constexpr std::int64_t kRestUnits = 2;      // clock high after a bit
inline constexpr std::int64_t kBlockPauseUnits = 700;
inline constexpr std::uint32_t kBytesPerBlock = 32;
// The wait after the last byte, before the transmission counts as finished.
inline constexpr std::chrono::milliseconds kFinalWait{100};
// The same wait in T of 100 us, for a sender that counts in T.
inline constexpr std::int64_t kFinalWaitUnits = kFinalWait.count() * 10;

// Whole transmission of an image of n bytes in T, without the final wait: 32T a byte and a pause
// after every 32nd byte, the last one included.
[[nodiscard]] constexpr std::int64_t NominalTransmitUnits(std::uint32_t n) {
  return 32 * static_cast<std::int64_t>(n) + kBlockPauseUnits * (n / kBytesPerBlock);
}

// What a sender does with each part of the transmission, in the order WalkTransmission calls it.
class TransmitVisitor {
 public:
  virtual ~TransmitVisitor() = default;
  // Puts value on the lines and holds it for units T.
  virtual void Put(std::uint8_t value, std::int64_t units) = 0;
  // A byte's last step has been put; false ends the walk there (the port failed).
  [[nodiscard]] virtual bool ByteDone() = 0;
  // The lines stay as they are for units T more: the block pause.
  virtual void Pause(std::int64_t units) = 0;
  // The lines stay as they are for kFinalWait; the walk ends after it.
  virtual void FinalWait() = 0;
};

// The eight bits of one byte: 24 Puts, no ByteDone.
void WalkByte(std::uint8_t value, TransmitVisitor& visitor);

// The whole transmission of image; false when a ByteDone ended it early (no final wait then).
[[nodiscard]] bool WalkTransmission(std::span<const std::uint8_t> image, TransmitVisitor& visitor);

}  // namespace lunda
