// The port-I/O driver on Windows: initialised at start-up, installed by /i and removed by /u,
// with the registration list that lets several programs share it.
#pragma once

#include <string>

#include "device/port.h"
#include "platform/driver_os.h"
#include "platform/error_reporter.h"

namespace lunda {

// Makes the port usable: on the NT family initialises the driver, then runs the port test on
// `port`. Reports every failure through `reporter`; true when the port may be written.
[[nodiscard]] bool LoadPortDriver(DriverOs& os, ErrorReporter& reporter, Port& port);

// Installs the driver (NT family) and registers this program in WinIo.cnt.
[[nodiscard]] bool InstallPortDriver(DriverOs& os, ErrorReporter& reporter);

// Takes this program out of WinIo.cnt; the last user out removes the driver and its files.
[[nodiscard]] bool RemovePortDriver(DriverOs& os, ErrorReporter& reporter);

[[nodiscard]] bool IsWindowsNT(DriverOs& os);

// "<Common Files>\Vilt", found afresh on every call.
[[nodiscard]] std::string GetDriverFolder(DriverOs& os);

// Writes kPortTestLevel and passes when either of its bits reads back set and the port has not
// failed on the way. The port keeps that level afterwards.
[[nodiscard]] bool PortTestPasses(Port& port);

}  // namespace lunda
