// lunda-cli write, with the clock injected so that tests send a whole image in milliseconds, and
// the port's opening so that they can give it a port that does not answer.
#pragma once

#include <functional>

#include "cli/command.h"
#include "device/port_choice.h"
#include "platform/clock.h"

namespace lunda::cli {

using PortOpener = std::function<bool(const PortChoice&, Clock&, OpenedPort&, PortFault&)>;

[[nodiscard]] int RunWrite(const CommandContext& context, CommandArgs args, Clock& clock,
                           const PortOpener& openPort = OpenPort);

}  // namespace lunda::cli
