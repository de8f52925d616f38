// Port access on Linux through ioperm, which only root (CAP_SYS_RAWIO) may call.
#include <cerrno>

#include "platform/port_io.h"

#if defined(__linux__) && (defined(__i386__) || defined(__x86_64__))
#include <sys/io.h>
#endif

namespace lunda {

int RequestPortAccess(std::uint16_t address) {
#if defined(__linux__) && (defined(__i386__) || defined(__x86_64__))
  // ioperm's bitmap covers the first 0x400 ports only; above that it would need iopl.
  if (address >= 0x400) return ERANGE;
  return ioperm(address, 1, 1) == 0 ? 0 : errno;
#else
  (void)address;
  return ENOSYS;
#endif
}

}  // namespace lunda
