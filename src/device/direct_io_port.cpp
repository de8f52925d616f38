// DirectIoPort over the platform's port instructions.
#include "device/direct_io_port.h"

#include <cstdio>

#include "platform/port_io.h"

namespace lunda {

std::unique_ptr<DirectIoPort> DirectIoPort::Open(std::uint16_t address, PortFault& fault) {
  if (const int code = RequestPortAccess(address); code != 0) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%03X", static_cast<unsigned>(address));
    fault = {PortFault::Step::kDirectIo, hex, code};
    return nullptr;
  }
  return std::unique_ptr<DirectIoPort>(new DirectIoPort(address));
}

void DirectIoPort::Write(std::uint8_t value) { OutPortByte(address, value); }

std::uint8_t DirectIoPort::Read() { return InPortByte(address); }

}  // namespace lunda
