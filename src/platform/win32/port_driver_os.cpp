// Windows: the port instructions need the port-I/O driver.
#include "platform/port_driver_os.h"

#include "platform/win32/driver_os_win32.h"

namespace lunda {

std::unique_ptr<DriverOs> MakePortDriverOs() { return std::make_unique<Win32DriverOs>(); }

}  // namespace lunda
