// Port access on Linux through ioperm, which only root (CAP_SYS_RAWIO) may call.
#include <cerrno>
#include <cstdio>
#include <system_error>

#include "platform/port_io.h"

#if defined(__linux__) && (defined(__i386__) || defined(__x86_64__))
#include <sys/io.h>
#endif

namespace lunda {

bool RequestPortAccess(std::uint16_t address, std::string& error) {
#if defined(__linux__) && (defined(__i386__) || defined(__x86_64__))
  // ioperm's bitmap covers the first 0x400 ports only; above that it would need iopl.
  if (address >= 0x400) {
    error = "direct I/O reaches ports 0x000 to 0x3FF only; use the port's /dev/parportN device";
    return false;
  }
  if (ioperm(address, 1, 1) == 0) return true;
  const int code = errno;
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%03X", static_cast<unsigned>(address));
  error = std::string("no access to I/O port ") + hex + ": " +
          std::generic_category().message(code) +
          (code == EPERM ? " (direct I/O needs root; better use /dev/parport0 as a member of "
                           "the group lp)"
                         : "");
  return false;
#else
  (void)address;
  error = "direct port I/O is not available on this system; use a /dev/parportN device";
  return false;
#endif
}

}  // namespace lunda
