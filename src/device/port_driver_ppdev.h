// The driver operations where the kernel grants port access itself (Linux ppdev): nothing to
// install, and "loading" means the port opened and answered the port test.
#pragma once

#include <string_view>

#include "device/port.h"
#include "platform/error_reporter.h"

namespace lunda {

// `openedPort` is the port as the factory opened it, or null with `openError` saying why not.
[[nodiscard]] bool LoadPortDriver(ErrorReporter& reporter, Port* openedPort,
                                  std::string_view openError);

// Tell the user that there is no driver to install or remove, and change nothing.
[[nodiscard]] bool InstallPortDriver(ErrorReporter& reporter);
[[nodiscard]] bool RemovePortDriver(ErrorReporter& reporter);

}  // namespace lunda
