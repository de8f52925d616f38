// A port with a controller on the cable: it keeps what is written and decodes the transmission.
#pragma once

#include <cstdint>

#include "device/bit_stream_decoder.h"
#include "device/port.h"
#include "platform/clock.h"

namespace lunda {

class SimulatedController final : public Port {
 public:
  // Times every value with clock, which must outlive the controller.
  explicit SimulatedController(Clock& clock);

  void Write(std::uint8_t value) override;
  // The last value written, as a real data register reads back.
  [[nodiscard]] std::uint8_t Read() override;
  // Everything received up to now.
  [[nodiscard]] TransferReport Report() const;
  // Forgets what was received, so that the next transmission is judged on its own; the data
  // register keeps its level.
  void Reset();

 private:
  Clock& clock;
  BitStreamDecoder decoder;
  std::uint8_t latch = 0;
};

}  // namespace lunda
