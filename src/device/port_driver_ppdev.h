// The driver operations where the kernel grants port access itself (Linux ppdev): nothing to
// install, and "loading" means the port opened and answered the port test.
#pragma once

#include "device/port.h"
#include "platform/error_reporter.h"

namespace lunda {

// Runs the port test on the opened port; reports a failure through `reporter`.
[[nodiscard]] bool LoadPortDriver(ErrorReporter& reporter, Port& port);

// Tell the user that there is no driver to install or remove, and change nothing.
[[nodiscard]] bool InstallPortDriver(ErrorReporter& reporter);
[[nodiscard]] bool RemovePortDriver(ErrorReporter& reporter);

}  // namespace lunda
