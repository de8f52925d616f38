// The port-I/O driver's system calls on this platform, for front ends that drive the port
// directly.
#pragma once

#include <memory>

#include "platform/driver_os.h"

namespace lunda {

// Windows grants a process the processor's port instructions only through the driver; elsewhere
// the kernel grants them itself and there is no driver to load (null).
[[nodiscard]] std::unique_ptr<DriverOs> MakePortDriverOs();

}  // namespace lunda
