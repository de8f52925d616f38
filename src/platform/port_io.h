// Direct x86 port I/O: the in and out instructions, and asking the system to allow them.
#pragma once

#include <cstdint>

namespace lunda {

// Makes address usable by OutPortByte/InPortByte in this process. On Linux that is ioperm, which
// needs root; on Windows the port driver grants the access, and this only prepares to catch the
// instructions' fault where it has not. 0 when granted, else the errno value: the system's
// refusal, ERANGE for an address the system call cannot reach, ENOSYS where the system has no
// direct port I/O.
[[nodiscard]] int RequestPortAccess(std::uint16_t address);

// Only after RequestPortAccess succeeded. False when the processor refused the instruction after
// all (Windows without the driver's grant, 64-bit Windows always): nothing was written or read,
// and a read leaves value as it was. Where ioperm granted the port the instructions cannot fault.
[[nodiscard]] bool OutPortByte(std::uint16_t address, std::uint8_t value);
[[nodiscard]] bool InPortByte(std::uint16_t address, std::uint8_t& value);

}  // namespace lunda
