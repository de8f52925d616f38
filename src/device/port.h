// The parallel port's data register, whatever drives it.
#pragma once

#include <cstdint>
#include <optional>

#include "device/port_fault.h"
#include "device/sample_sink.h"

namespace lunda {

inline constexpr std::uint8_t kPortRestLevel = 0x01;  // D0 high, between writes
inline constexpr std::uint8_t kPortIdleLevel = 0x81;  // D7 and D0 high, between bits
inline constexpr std::uint8_t kPortTestLevel = 0x14;  // D2 and D4, the start-up port test

class Port {
 public:
  virtual ~Port() = default;
  virtual void Write(std::uint8_t value) = 0;     // data register, immediately
  [[nodiscard]] virtual std::uint8_t Read() = 0;  // data register read-back
  // Nothing while the port works; once a write or read has failed (a device unplugged, a driver
  // gone), the first failure, and it stays so. Registers without a result never fail.
  [[nodiscard]] virtual std::optional<PortFault> LastFault() const { return std::nullopt; }
  // Where the port clocks samples out by itself, that clock: a transmission then goes to it as one
  // stream instead of value by value. Null for a port whose values take effect as written.
  [[nodiscard]] virtual SampleSink* Samples() { return nullptr; }
};

}  // namespace lunda
