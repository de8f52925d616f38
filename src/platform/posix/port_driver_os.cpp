// No port-I/O driver: ioperm grants the port instructions to a privileged process.
#include "platform/port_driver_os.h"

namespace lunda {

std::unique_ptr<DriverOs> MakePortDriverOs() { return nullptr; }

}  // namespace lunda
