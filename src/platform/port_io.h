// Direct x86 port I/O: the in and out instructions, and asking the system to allow them.
#pragma once

#include <cstdint>
#include <string>

namespace lunda {

// Makes address usable by OutPortByte/InPortByte in this process. On Linux that is ioperm, which
// needs root; on Windows the port driver has already granted the access, so nothing is asked.
// False, with the reason and what to do in error, when access cannot be had.
[[nodiscard]] bool RequestPortAccess(std::uint16_t address, std::string& error);

// Only after RequestPortAccess succeeded: without access the instruction faults the process.
void OutPortByte(std::uint16_t address, std::uint8_t value);
[[nodiscard]] std::uint8_t InPortByte(std::uint16_t address);

}  // namespace lunda
