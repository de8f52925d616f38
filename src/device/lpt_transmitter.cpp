// LptTransmitter: the bit timing of the programming cable.
#include "device/lpt_transmitter.h"

#include <algorithm>

#include "device/sample_stream.h"

namespace lunda {

// Walks the transmission writing each value to the port and waiting out its hold on the counter.
class LptTransmitter::BusyWaitSender final : public TransmitVisitor {
 public:
  // job null: a single byte, counted by nobody.
  BusyWaitSender(LptTransmitter& transmitter, TransmitJob* job, std::int64_t unit)
      : transmitter(transmitter),
        job(job),
        unit(unit),
        finalSpin(transmitter.clock.Frequency() * kPauseFinalSpin.count() / 1'000'000) {}

  void Put(std::uint8_t value, std::int64_t units) override {
    transmitter.port.Write(value);
    transmitter.WaitTicks(unit * units);
  }
  bool ByteDone() override {
    // A port that failed has dropped writes already: the controller got a broken stream, which
    // must not be reported as sent.
    if (transmitter.port.LastFault()) return false;
    if (job != nullptr) job->bytesSent.fetch_add(1, std::memory_order_relaxed);
    return true;
  }
  // Sleeping through the pause keeps a real-time thread from starving the rest of the system.
  void Pause(std::int64_t units) override { transmitter.PauseTicks(unit * units, finalSpin); }
  void FinalWait() override { transmitter.clock.Sleep(kFinalWait); }

 private:
  LptTransmitter& transmitter;
  TransmitJob* job;
  std::int64_t unit;
  std::int64_t finalSpin;
};

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
  BusyWaitSender sender(*this, nullptr, unit);
  WalkByte(value, sender);
}

int LptTransmitter::TransmitThreadProc(TransmitJob* job) {
  if (job == nullptr || job->algorithm == nullptr) return kTransmitDone;
  const CAlgorithm& algorithm = *job->algorithm;
  // Never read past the buffer, whatever imageSize claims.
  const auto size = std::min<std::size_t>(algorithm.imageSize, algorithm.image.size());
  if (size == 0) return kTransmitNoImage;
  const std::span<const std::uint8_t> image(algorithm.image.data(), size);
  // A busy computer stretches the steps, or lets an adapter's buffer run dry; real-time keeps
  // them. It holds for the transmission only, and is put back on every way out.
  const RaisedScheduling raised(scheduler);
  job->scheduling = raised.Mode();
  if (SampleSink* sink = port.Samples()) {
    bool refused = false;
    if (SendAsStream(image, *sink, *job, refused)) return kTransmitDone;
    return refused ? kTransmitRefused : kTransmitPortFailed;
  }
  BusyWaitSender sender(*this, job, TimeUnitTicks(clock.Frequency()));
  return WalkTransmission(image, sender) ? kTransmitDone : kTransmitPortFailed;
}

}  // namespace lunda
