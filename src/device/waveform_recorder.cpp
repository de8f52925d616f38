// WaveformRecorder: the VCD writer.
#include "device/waveform_recorder.h"

#include <algorithm>

#include "device/lpt_transmitter.h"
#include "device/vcd_format.h"

namespace lunda {

namespace {
constexpr std::int64_t kNanosPerSecond = 1'000'000'000;
}

class WaveformRecorder::RecordingSink final : public SampleSink {
 public:
  RecordingSink(WaveformRecorder& recorder, SampleSink& inner) : recorder(recorder), inner(inner) {}

  [[nodiscard]] SampleRate Rate() const override { return inner.Rate(); }
  bool BeginStream() override {
    if (!inner.BeginStream()) return false;
    start = recorder.ElapsedNanos();
    index = 0;
    return true;
  }
  bool SendSamples(std::span<const std::uint8_t> samples) override {
    if (!inner.SendSamples(samples)) return false;
    const SampleRate rate = inner.Rate();
    for (const std::uint8_t value : samples) {
      recorder.Record(start + index * kNanosPerSecond * rate.denominator / rate.numerator, value);
      ++index;
    }
    return true;
  }
  void EndStream() override { inner.EndStream(); }

 private:
  WaveformRecorder& recorder;
  SampleSink& inner;
  std::int64_t start = 0;
  std::int64_t index = 0;
};

std::int64_t TicksToNanos(std::int64_t ticks, std::int64_t frequency) {
  if (frequency <= 0) return 0;
  if (kNanosPerSecond % frequency == 0) return ticks * (kNanosPerSecond / frequency);
  // Whole seconds first, so the product below stays under one second's worth of ticks.
  const std::int64_t seconds = ticks / frequency;
  const std::int64_t rest = ticks % frequency;
  return seconds * kNanosPerSecond +
         static_cast<std::int64_t>(static_cast<long double>(rest) * kNanosPerSecond / frequency);
}

WaveformRecorder::WaveformRecorder(std::unique_ptr<Port> inner, Clock& clock,
                                   std::filesystem::path path)
    : inner(std::move(inner)), clock(clock), path(std::move(path)) {}

std::unique_ptr<WaveformRecorder> WaveformRecorder::Create(std::unique_ptr<Port> inner,
                                                           Clock& clock,
                                                           const std::filesystem::path& path,
                                                           std::string& error) {
  std::unique_ptr<WaveformRecorder> recorder(new WaveformRecorder(std::move(inner), clock, path));
  recorder->file.open(path, std::ios::binary | std::ios::trunc);
  if (!recorder->file) {
    error = "cannot create the waveform file " + path.string();
    return nullptr;
  }
  const std::int64_t frequency = clock.Frequency();
  std::ofstream& out = recorder->file;
  out << "$version lunda waveform recorder $end\n"
      << "$comment T = " << TicksToNanos(TimeUnitTicks(frequency), frequency) << " ns $end\n"
      << "$timescale 1 ns $end\n"
      << "$scope module " << kVcdScope << " $end\n";
  // One-bit wires only: sigrok's VCD input (PulseView, sigrok-cli) reads nothing at all from a
  // file that also declares a multi-bit variable such as the 8-bit bus.
  for (int bit = 0; bit < 8; ++bit)
    out << "$var wire 1 " << kVcdBitIds[bit] << " D" << bit << " $end\n";
  out << "$upscope $end\n$enddefinitions $end\n#0\n$dumpvars\n";
  // Nothing is known of the lines before the first write.
  for (const std::string_view id : kVcdBitIds) out << 'x' << id << '\n';
  out << "$end\n";
  recorder->start = clock.Now();
  return recorder;
}

WaveformRecorder::~WaveformRecorder() {
  std::string ignored;
  (void)Close(ignored);
}

std::int64_t WaveformRecorder::ElapsedNanos() {
  return std::max(lastNanos, TicksToNanos(clock.Now() - start, clock.Frequency()));
}

void WaveformRecorder::Write(std::uint8_t value) {
  inner->Write(value);
  Record(ElapsedNanos(), value);
}

SampleSink* WaveformRecorder::Samples() {
  SampleSink* innerSink = inner->Samples();
  if (innerSink == nullptr) return nullptr;
  if (!sink) sink = std::make_unique<RecordingSink>(*this, *innerSink);
  return sink.get();
}

void WaveformRecorder::Record(std::int64_t nanos, std::uint8_t value) {
  if (!file.is_open() || (anyWritten && value == last)) return;
  lastNanos = nanos;
  file << '#' << nanos << '\n';
  for (int bit = 0; bit < 8; ++bit) {
    const int level = (value >> bit) & 1;
    if (!anyWritten || level != ((last >> bit) & 1)) file << level << kVcdBitIds[bit] << '\n';
  }
  anyWritten = true;
  last = value;
}

std::uint8_t WaveformRecorder::Read() { return inner->Read(); }

std::optional<PortFault> WaveformRecorder::LastFault() const { return inner->LastFault(); }

bool WaveformRecorder::Close(std::string& error) {
  if (!file.is_open()) return true;
  file << '#' << ElapsedNanos() << '\n';
  file.close();
  if (file.fail()) {
    error = "the waveform file " + path.string() + " could not be written completely";
    return false;
  }
  return true;
}

}  // namespace lunda
