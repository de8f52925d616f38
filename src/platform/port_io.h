// Direct x86 port I/O: the in and out instructions, and asking the system to allow them.
#pragma once

#include <cstdint>

namespace lunda {

// Makes address usable by OutPortByte/InPortByte in this process. On Linux that is ioperm, which
// needs root; on Windows the port driver has already granted the access, so nothing is asked.
// 0 when granted, else the errno value: the system's refusal, ERANGE for an address the system
// call cannot reach, ENOSYS where the system has no direct port I/O.
[[nodiscard]] int RequestPortAccess(std::uint16_t address);

// Only after RequestPortAccess succeeded: without access the instruction faults the process.
void OutPortByte(std::uint16_t address, std::uint8_t value);
[[nodiscard]] std::uint8_t InPortByte(std::uint16_t address);

}  // namespace lunda
