// A port for tests that keeps every value written with the clock's time at the write.
#pragma once

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <vector>

#include "device/port.h"
#include "tests/device/fake_clock.h"

namespace lunda {

struct RecordedWrite {
  std::int64_t time = 0;
  std::uint8_t value = 0;
  std::uint32_t counter = 0;  // the watched byte counter at the write
  bool operator==(const RecordedWrite&) const = default;
};

class RecordingPort final : public Port {
 public:
  explicit RecordingPort(const FakeClock& clock) : clock(clock) {}

  void Write(std::uint8_t value) override {
    writes.push_back({clock.Peek(), value, counter ? counter->load() : 0});
    if (failAfter && writes.size() >= *failAfter && !fault) {
      fault = PortFault{PortFault::Step::kWrite, "/dev/parport0", ENODEV};  // unplugged
    }
  }
  // The last value written (0 before any), unless readBack says otherwise.
  [[nodiscard]] std::uint8_t Read() override {
    return readBack.value_or(writes.empty() ? 0 : writes.back().value);
  }
  [[nodiscard]] std::optional<PortFault> LastFault() const override { return fault; }

  std::vector<RecordedWrite> writes;
  std::optional<std::size_t> failAfter;                 // the port fails from this many writes on
  const std::atomic<std::uint32_t>* counter = nullptr;  // logged with each write when set
  std::optional<std::uint8_t> readBack;
  std::optional<PortFault> fault;

 private:
  const FakeClock& clock;
};

}  // namespace lunda
