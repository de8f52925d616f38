// LptTransmitter: the bit timing of the programming cable.
#include "device/lpt_transmitter.h"

#include <algorithm>

namespace lunda {

void LptTransmitter::SpinUntil(std::int64_t start, std::int64_t ticks) {
  while (clock.Now() - start < ticks) {
  }
}

void LptTransmitter::WaitTicks(std::int64_t ticks) { SpinUntil(clock.Now(), ticks); }

void LptTransmitter::PauseTicks(std::int64_t ticks, std::int64_t finalSpin) {
  const std::int64_t start = clock.Now();
  if (ticks > finalSpin) clock.SleepUntil(start + ticks - finalSpin);
  SpinUntil(start, ticks);
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

bool LptTransmitter::SendImage(std::span<const std::uint8_t> image, TransmitJob& job) {
  // A busy computer stretches the steps; real-time keeps them. It holds for the bits and pauses
  // only, and is put back on every way out.
  const RaisedScheduling raised(scheduler);
  job.scheduling = raised.Mode();
  const std::int64_t frequency = clock.Frequency();
  const std::int64_t unit = TimeUnitTicks(frequency);
  const std::int64_t blockPause = unit * kBlockPauseUnits;
  const std::int64_t finalSpin = frequency * kPauseFinalSpin.count() / 1'000'000;
  for (std::size_t i = 1; i <= image.size(); ++i) {
    SendByte(image[i - 1], unit);
    // A port that failed has dropped writes already: the controller got a broken stream, which
    // must not be reported as sent.
    if (port.LastFault()) return false;
    job.bytesSent.fetch_add(1, std::memory_order_relaxed);
    // The controller stores each block of 32 bytes during this pause. Sleeping through it keeps
    // a real-time thread from starving the rest of the system.
    if (i % kBytesPerBlock == 0) PauseTicks(blockPause, finalSpin);
  }
  return true;
}

int LptTransmitter::TransmitThreadProc(TransmitJob* job) {
  if (job == nullptr || job->algorithm == nullptr) return kTransmitDone;
  const CAlgorithm& algorithm = *job->algorithm;
  // Never read past the buffer, whatever imageSize claims.
  const auto size = std::min<std::size_t>(algorithm.imageSize, algorithm.image.size());
  if (size == 0) return kTransmitNoImage;
  if (!SendImage({algorithm.image.data(), size}, *job)) return kTransmitPortFailed;
  clock.Sleep(std::chrono::milliseconds(100));
  return kTransmitDone;
}

}  // namespace lunda
