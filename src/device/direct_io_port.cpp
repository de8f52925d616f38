// DirectIoPort over the platform's port instructions.
#include "device/direct_io_port.h"

#include <cerrno>
#include <cstdio>

#include "platform/port_io.h"

namespace lunda {

std::unique_ptr<DirectIoPort> DirectIoPort::Open(std::uint16_t address, PortFault& fault) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%03X", static_cast<unsigned>(address));
  if (const int code = RequestPortAccess(address); code != 0) {
    fault = {PortFault::Step::kDirectIo, hex, code};
    return nullptr;
  }
  return std::unique_ptr<DirectIoPort>(new DirectIoPort(address, hex));
}

void DirectIoPort::Refused() {
  if (!fault) fault = PortFault{PortFault::Step::kDirectIo, name, EACCES};
}

void DirectIoPort::Write(std::uint8_t value) {
  if (!OutPortByte(address, value)) Refused();
}

std::uint8_t DirectIoPort::Read() {
  std::uint8_t value = 0;
  if (!InPortByte(address, value)) Refused();
  return value;
}

}  // namespace lunda
