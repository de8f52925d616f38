// The in and out instructions, where the processor has them.
#include "platform/port_io.h"

namespace lunda {

#if defined(__i386__) || defined(__x86_64__)

void OutPortByte(std::uint16_t address, std::uint8_t value) {
  __asm__ __volatile__("outb %0, %1" : : "a"(value), "Nd"(address));
}

std::uint8_t InPortByte(std::uint16_t address) {
  std::uint8_t value = 0;
  __asm__ __volatile__("inb %1, %0" : "=a"(value) : "Nd"(address));
  return value;
}

#else

// RequestPortAccess refuses every address off x86, so these are never reached there.
void OutPortByte(std::uint16_t, std::uint8_t) {}
std::uint8_t InPortByte(std::uint16_t) { return 0xFF; }

#endif

}  // namespace lunda
