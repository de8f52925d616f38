// The parallel port's data register by direct x86 in/out instructions at its I/O address.
#pragma once

#include <cstdint>
#include <memory>

#include "device/port.h"

namespace lunda {

class DirectIoPort final : public Port {
 public:
  // Asks for access to address (ioperm as root on Linux; granted by the port driver on Windows).
  // Null, with the fault, when it is refused.
  [[nodiscard]] static std::unique_ptr<DirectIoPort> Open(std::uint16_t address, PortFault& fault);

  void Write(std::uint8_t value) override;
  [[nodiscard]] std::uint8_t Read() override;

 private:
  explicit DirectIoPort(std::uint16_t address) : address(address) {}

  std::uint16_t address;
};

}  // namespace lunda
