// The in and out instructions, where the processor has them; ioperm has granted the port before
// they run, so they cannot fault.
#include "platform/port_io.h"

namespace lunda {

#if defined(__i386__) || defined(__x86_64__)

bool OutPortByte(std::uint16_t address, std::uint8_t value) {
  __asm__ __volatile__("outb %0, %1" : : "a"(value), "Nd"(address));
  return true;
}

bool InPortByte(std::uint16_t address, std::uint8_t& value) {
  __asm__ __volatile__("inb %1, %0" : "=a"(value) : "Nd"(address));
  return true;
}

#else

// RequestPortAccess refuses every address off x86, so these are never reached there.
bool OutPortByte(std::uint16_t, std::uint8_t) { return false; }
bool InPortByte(std::uint16_t, std::uint8_t&) { return false; }

#endif

}  // namespace lunda
