// lunda-cli write, with the clock and the scheduler injected so that tests send a whole image in
// milliseconds at their ordinary priority.
#pragma once

#include "cli/command.h"
#include "platform/clock.h"
#include "platform/scheduler.h"

namespace lunda::cli {

[[nodiscard]] int RunWrite(const CommandContext& context, CommandArgs args, Clock& clock,
                           Scheduler& scheduler);

}  // namespace lunda::cli
