// The system's scheduler: what it grants holds until the restore, which leaves the thread as it
// was; what it refuses changes nothing. Which of the two happens depends on the rights the tests
// run with (root or CAP_SYS_NICE: granted).
#include "platform/system_scheduler.h"

#include <gtest/gtest.h>

#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <sched.h>
#endif

namespace lunda {
namespace {

#ifdef _WIN32
std::pair<int, int> CurrentPriority() { return {GetThreadPriority(GetCurrentThread()), 0}; }
constexpr int kRealTime = THREAD_PRIORITY_TIME_CRITICAL;
#else
std::pair<int, int> CurrentPriority() {
  sched_param param{};
  sched_getparam(0, &param);  // the calling thread
  return {sched_getscheduler(0), param.sched_priority};
}
constexpr int kRealTime = SCHED_FIFO;
#endif

TEST(SystemScheduler, WhatItGrantsHoldsUntilTheRestoreWhichLeavesTheThreadAsItWas) {
  const std::pair<int, int> before = CurrentPriority();
  const auto scheduler = CreateSystemScheduler();
  const SchedulingMode mode = scheduler->RaiseCurrentThread();
  EXPECT_EQ(CurrentPriority().first == kRealTime, mode == SchedulingMode::kRealTime);
  scheduler->RestoreCurrentThread();
  EXPECT_EQ(CurrentPriority(), before);
}

}  // namespace
}  // namespace lunda
