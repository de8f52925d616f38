// DirectIoPort over the platform's port instructions.
#include "device/direct_io_port.h"

#include "platform/port_io.h"

namespace lunda {

std::unique_ptr<DirectIoPort> DirectIoPort::Open(std::uint16_t address, std::string& error) {
  if (!RequestPortAccess(address, error)) return nullptr;
  return std::unique_ptr<DirectIoPort>(new DirectIoPort(address));
}

void DirectIoPort::Write(std::uint8_t value) { OutPortByte(address, value); }

std::uint8_t DirectIoPort::Read() { return InPortByte(address); }

}  // namespace lunda
