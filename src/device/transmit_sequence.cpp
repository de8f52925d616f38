// WalkTransmission: the bit table and the block pauses, in the order they go out.
#include "device/transmit_sequence.h"

#include "device/port.h"

namespace lunda {

void WalkByte(std::uint8_t value, TransmitVisitor& visitor) {
  for (int bit = 0; bit < 8; ++bit) {
    const std::uint8_t dataLevel = ((value >> bit) & 1) != 0 ? kDataBit : 0;
    // D1 is steady T before and T after the falling clock edge, where the controller samples.
    const std::uint8_t setup = kFrameBit | dataLevel | kClockBit;
    visitor.Put(setup, kSetupUnits);
    visitor.Put(setup & static_cast<std::uint8_t>(~kClockBit), kClockLowUnits);
    visitor.Put(kPortIdleLevel, kRestUnits);
  }
}

bool WalkTransmission(std::span<const std::uint8_t> image, TransmitVisitor& visitor) {
  for (std::size_t i = 1; i <= image.size(); ++i) {
    WalkByte(image[i - 1], visitor);
    if (!visitor.ByteDone()) return false;
    // The controller stores each block of 32 bytes during this pause.
    if (i % kBytesPerBlock == 0) visitor.Pause(kBlockPauseUnits);
  }
  visitor.FinalWait();
  return true;
}

}  // namespace lunda
