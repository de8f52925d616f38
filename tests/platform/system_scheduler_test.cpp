// The system's scheduler: what it grants holds until the restore, which leaves the thread as it
// was; what it refuses changes nothing.
#include "platform/system_scheduler.h"

#include <gtest/gtest.h>

#include <thread>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <linux/capability.h>
#include <pthread.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace lunda {
namespace {

#ifdef _WIN32
std::pair<int, int> CurrentPriority() { return {GetThreadPriority(GetCurrentThread()), 0}; }
bool IsRealTime(std::pair<int, int> priority) {
  return priority.first == THREAD_PRIORITY_TIME_CRITICAL;
}
void TakeRealTimeRight() {}
#else
std::pair<int, int> CurrentPriority() {
  int policy = 0;
  sched_param param{};
  pthread_getschedparam(pthread_self(), &policy, &param);
  return {policy, param.sched_priority};
}
bool IsRealTime(std::pair<int, int> priority) { return priority.first == SCHED_FIFO; }
// Root as an ordinary user: capabilities are per thread, so the test process keeps its own.
void TakeRealTimeRight() {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2]{};
  syscall(SYS_capget, &header, data);
  data[0].effective &= ~(1u << CAP_SYS_NICE);
  syscall(SYS_capset, &header, data);
}
#endif

TEST(SystemScheduler, WhatItGrantsHoldsUntilTheRestoreWhichLeavesTheThreadAsItWas) {
  for (const bool refused : {false, true}) {
    std::thread([refused] {
      if (refused) TakeRealTimeRight();
      const std::pair<int, int> before = CurrentPriority();
      const auto scheduler = CreateSystemScheduler();
      const SchedulingMode mode = scheduler->RaiseCurrentThread();
      EXPECT_EQ(IsRealTime(CurrentPriority()), mode == SchedulingMode::kRealTime) << refused;
      scheduler->RestoreCurrentThread();
      EXPECT_EQ(CurrentPriority(), before) << refused;
    }).join();
  }
}

}  // namespace
}  // namespace lunda
