// A port that passes every value on to another port and records it, with its time, in a VCD
// file that GTKWave, PulseView and sigrok read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "device/port.h"
#include "platform/clock.h"

namespace lunda {

class WaveformRecorder final : public Port {
 public:
  // Creates the file at once, so that a path that cannot be written fails before the port is
  // used. Null, with error, then. clock must outlive the recorder.
  [[nodiscard]] static std::unique_ptr<WaveformRecorder> Create(std::unique_ptr<Port> inner,
                                                                Clock& clock,
                                                                const std::filesystem::path& path,
                                                                std::string& error);
  ~WaveformRecorder() override;

  void Write(std::uint8_t value) override;
  [[nodiscard]] std::uint8_t Read() override;
  // The wrapped port's failure; a file that cannot be written shows at Close, since losing the
  // recording is no reason to break off a controller's programming.
  [[nodiscard]] std::optional<PortFault> LastFault() const override;
  // The wrapped port's clock, recording each sample at its place in the stream: the time of the
  // stream's start plus its index times the sample period.
  [[nodiscard]] SampleSink* Samples() override;

  [[nodiscard]] Port& Inner() { return *inner; }
  // Stamps the end time and closes the file. False, with error, when the file is incomplete.
  // The destructor closes too, for the paths that cannot report.
  [[nodiscard]] bool Close(std::string& error);

 private:
  class RecordingSink;

  WaveformRecorder(std::unique_ptr<Port> inner, Clock& clock, std::filesystem::path path);
  // Never before the last time recorded, which a stream's samples may have set ahead of the clock.
  [[nodiscard]] std::int64_t ElapsedNanos();
  void Record(std::int64_t nanos, std::uint8_t value);

  std::unique_ptr<Port> inner;
  Clock& clock;
  std::filesystem::path path;
  std::ofstream file;
  std::int64_t start = 0;
  bool anyWritten = false;
  std::uint8_t last = 0;
  std::int64_t lastNanos = 0;
  std::unique_ptr<RecordingSink> sink;
};

// Converts a tick count of a counter of frequency ticks per second to nanoseconds, rounding down,
// without overflow for any duration a recording can have.
[[nodiscard]] std::int64_t TicksToNanos(std::int64_t ticks, std::int64_t frequency);

}  // namespace lunda
