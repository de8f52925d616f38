// The system's own scheduler: SCHED_FIFO with locked memory on Linux, time-critical priority
// with a 1 ms timer period on Windows.
#pragma once

#include <memory>

#include "platform/scheduler.h"

namespace lunda {

[[nodiscard]] std::unique_ptr<Scheduler> CreateSystemScheduler();

}  // namespace lunda
