// lunda-cli write, with the clock injected so that tests send a whole image in milliseconds.
#pragma once

#include "cli/command.h"
#include "platform/clock.h"

namespace lunda::cli {

[[nodiscard]] int RunWrite(const CommandContext& context, CommandArgs args, Clock& clock);

}  // namespace lunda::cli
