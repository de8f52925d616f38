// The parallel port's data register by direct x86 in/out instructions at its I/O address.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "device/port.h"

namespace lunda {

class DirectIoPort final : public Port {
 public:
  // Asks for access to address (ioperm as root on Linux; granted by the port driver on Windows).
  // Null, with the fault, when it is refused.
  [[nodiscard]] static std::unique_ptr<DirectIoPort> Open(std::uint16_t address, PortFault& fault);

  void Write(std::uint8_t value) override;
  [[nodiscard]] std::uint8_t Read() override;
  // kDirectIo with EACCES once the processor has refused an instruction: the system never granted
  // the port after all.
  [[nodiscard]] std::optional<PortFault> LastFault() const override { return fault; }

 private:
  DirectIoPort(std::uint16_t address, std::string name) : address(address), name(std::move(name)) {}
  void Refused();

  std::uint16_t address;
  std::string name;  // "0x378"
  std::optional<PortFault> fault;
};

}  // namespace lunda
