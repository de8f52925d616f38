// SendAsStream: the transmission's values, each repeated once per T, in chunks.
#include "device/sample_stream.h"

#include <vector>

#include "device/lpt_transmitter.h"
#include "device/port.h"
#include "device/transmit_sequence.h"

namespace lunda {
namespace {

class StreamBuilder final : public TransmitVisitor {
 public:
  StreamBuilder(SampleSink& sink, TransmitJob& job) : sink(sink), job(job) {
    chunk.reserve(kStreamChunkSamples);
  }

  void Put(std::uint8_t value, std::int64_t units) override {
    level = value;
    Append(units);
  }
  bool ByteDone() override {
    ++bytesBuilt;
    return !failed;
  }
  void Pause(std::int64_t units) override { Append(units); }
  void FinalWait() override { Append(kFinalWaitUnits); }

  // Hands over what is left; false when the sink failed at any point.
  [[nodiscard]] bool Finish() {
    if (!chunk.empty()) Flush();
    return !failed;
  }

 private:
  void Append(std::int64_t units) {
    while (units > 0 && !failed) {
      const auto room = static_cast<std::int64_t>(kStreamChunkSamples - chunk.size());
      const std::int64_t count = units < room ? units : room;
      chunk.insert(chunk.end(), static_cast<std::size_t>(count), level);
      units -= count;
      if (chunk.size() == kStreamChunkSamples) Flush();
    }
  }

  void Flush() {
    if (!sink.SendSamples(chunk)) failed = true;
    chunk.clear();
    // A byte counts as sent once its last sample is with the adapter; a byte whose samples are
    // still being built is not counted yet.
    if (!failed) job.bytesSent.store(bytesBuilt, std::memory_order_relaxed);
  }

  SampleSink& sink;
  TransmitJob& job;
  std::vector<std::uint8_t> chunk;
  std::uint8_t level = kPortIdleLevel;
  std::uint32_t bytesBuilt = 0;
  bool failed = false;
};

}  // namespace

bool SendAsStream(std::span<const std::uint8_t> image, SampleSink& sink, TransmitJob& job,
                  bool& refused) {
  refused = false;
  if (!sink.BeginStream()) {
    refused = true;
    return false;
  }
  StreamBuilder builder(sink, job);
  const bool walked = WalkTransmission(image, builder);
  const bool sent = builder.Finish() && walked;
  if (sent) sink.EndStream();
  return sent;
}

}  // namespace lunda
