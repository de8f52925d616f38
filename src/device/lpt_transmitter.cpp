// LptTransmitter: the bit timing of the programming cable.
#include "device/lpt_transmitter.h"

#include <algorithm>
#include <chrono>

namespace lunda {

void LptTransmitter::WaitTicks(std::int64_t ticks) {
  const std::int64_t start = clock.Now();
  while (clock.Now() - start < ticks) {
  }
}

void LptTransmitter::SendByte(std::uint8_t value, std::int64_t unit) {
  for (int bit = 0; bit < 8; ++bit) {
    const std::uint8_t dataLevel = ((value >> bit) & 1) != 0 ? kDataBit : 0;
    // D1 is steady T before and T after the falling clock edge, where the controller samples.
    const std::uint8_t setup = kFrameBit | dataLevel | kClockBit;
    port.Write(setup);
    WaitTicks(unit);
    port.Write(setup & static_cast<std::uint8_t>(~kClockBit));
    WaitTicks(unit);
    port.Write(kPortIdleLevel);
    WaitTicks(unit * 2);
  }
}

int LptTransmitter::TransmitThreadProc(TransmitJob* job) {
  if (job == nullptr || job->algorithm == nullptr) return kTransmitDone;
  const CAlgorithm& algorithm = *job->algorithm;
  // Never read past the buffer, whatever imageSize claims.
  const auto size = static_cast<std::uint32_t>(
      std::min<std::size_t>(algorithm.imageSize, algorithm.image.size()));
  if (algorithm.image.empty() || size == 0) return kTransmitNoImage;

  const std::int64_t unit = TimeUnitTicks(clock.Frequency());
  const std::int64_t blockPause = unit * kBlockPauseUnits;
  const std::uint8_t* bytes = algorithm.image.data();
  for (std::uint32_t i = 1; i <= size; ++i) {
    SendByte(bytes[i - 1], unit);
    // A port that failed has dropped writes already: the controller got a broken stream, which
    // must not be reported as sent.
    if (port.LastFault()) return kTransmitPortFailed;
    job->bytesSent.fetch_add(1, std::memory_order_relaxed);
    // The controller stores each block of 32 bytes during this pause.
    if (i % kBytesPerBlock == 0) WaitTicks(blockPause);
  }
  clock.Sleep(std::chrono::milliseconds(100));
  return kTransmitDone;
}

}  // namespace lunda
