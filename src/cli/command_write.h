// lunda-cli write, with the clock and the scheduler injected so that tests send a whole image in
// milliseconds at their ordinary priority, the port's opening so that they can give it a port
// that does not answer, and the driver's system calls so that they can refuse the driver.
#pragma once

#include <functional>

#include "cli/command.h"
#include "device/port_choice.h"
#include "platform/clock.h"
#include "platform/driver_os.h"
#include "platform/scheduler.h"

namespace lunda::cli {

using PortOpener = std::function<bool(const PortChoice&, Clock&, OpenedPort&, PortFault&)>;

struct WriteSystem {
  PortOpener openPort = OpenPort;
  // Where a direct-I/O port needs the port-I/O driver loaded first (Windows); null elsewhere.
  DriverOs* driverOs = nullptr;
};

[[nodiscard]] int RunWrite(const CommandContext& context, CommandArgs args, Clock& clock,
                           Scheduler& scheduler, const WriteSystem& system = {});

}  // namespace lunda::cli
