// The system's scheduler: what it grants holds until the restore, which leaves the thread as it
// was; what it refuses changes nothing.
#include "platform/system_scheduler.h"

#include <gtest/gtest.h>

#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <linux/capability.h>
#include <pthread.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace lunda {
namespace {

#ifdef _WIN32

TEST(SystemScheduler, RaisesToTimeCriticalAndRestoresThePriority) {
  const HANDLE self = GetCurrentThread();
  ASSERT_TRUE(SetThreadPriority(self, THREAD_PRIORITY_BELOW_NORMAL));
  const auto scheduler = CreateSystemScheduler();
  EXPECT_EQ(scheduler->RaiseCurrentThread(), SchedulingMode::kRealTime);
  EXPECT_EQ(GetThreadPriority(self), THREAD_PRIORITY_TIME_CRITICAL);
  scheduler->RestoreCurrentThread();
  EXPECT_EQ(GetThreadPriority(self), THREAD_PRIORITY_BELOW_NORMAL);
}

#else

struct Policy {
  int policy = -1;
  int priority = -1;
  bool operator==(const Policy&) const = default;
};

Policy CurrentPolicy() {
  Policy current;
  sched_param param{};
  pthread_getschedparam(pthread_self(), &current.policy, &param);
  current.priority = param.sched_priority;
  return current;
}

// Capabilities are per thread: this leaves the rest of the test process as it was.
bool DropSysNiceFromThisThread() {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2]{};
  if (syscall(SYS_capget, &header, data) != 0) return false;
  data[0].effective &= ~(1u << CAP_SYS_NICE);
  return syscall(SYS_capset, &header, data) == 0;
}

struct RaiseCase {
  const char* name;
  bool sysNice;     // CAP_SYS_NICE, as root has it
  rlim_t rtPrio;    // RLIMIT_RTPRIO, as a limits.d entry sets it
  Policy expected;  // while raised
};

void PrintTo(const RaiseCase& c, std::ostream* out) { *out << c.name; }

class SystemSchedulerTest : public testing::TestWithParam<RaiseCase> {};

TEST_P(SystemSchedulerTest, GrantsWhatTheSystemAllowsAndRestoresTheThread) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to set up privileges and limits";
  const RaiseCase& row = GetParam();
  Policy before;
  Policy during;
  Policy after;
  SchedulingMode mode = SchedulingMode::kDefault;
  bool limited = false;
  bool prepared = false;
  std::thread([&] {
    rlimit saved{};
    getrlimit(RLIMIT_RTPRIO, &saved);
    const rlimit limit{row.rtPrio, std::max(row.rtPrio, saved.rlim_max)};
    limited = setrlimit(RLIMIT_RTPRIO, &limit) == 0;
    if (!limited) return;
    prepared = row.sysNice || DropSysNiceFromThisThread();
    before = CurrentPolicy();
    const auto scheduler = CreateSystemScheduler();
    mode = scheduler->RaiseCurrentThread();
    during = CurrentPolicy();
    scheduler->RestoreCurrentThread();
    after = CurrentPolicy();
    setrlimit(RLIMIT_RTPRIO, &saved);
  }).join();
  if (!limited) GTEST_SKIP() << "without CAP_SYS_RESOURCE (a container) RLIMIT_RTPRIO stays put";
  ASSERT_TRUE(prepared);
  const bool granted = row.expected.policy == SCHED_FIFO;
  EXPECT_EQ(mode, granted ? SchedulingMode::kRealTime : SchedulingMode::kDefault);
  EXPECT_EQ(during, granted ? row.expected : before);
  EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(Privileges, SystemSchedulerTest,
                         testing::Values(RaiseCase{"Root", true, 0, {SCHED_FIFO, 40}},
                                         RaiseCase{"Refused", false, 0, {SCHED_OTHER, 0}},
                                         RaiseCase{"LimitsEntry", false, 20, {SCHED_FIFO, 20}}),
                         [](const testing::TestParamInfo<RaiseCase>& info) {
                           return info.param.name;
                         });

#endif

}  // namespace
}  // namespace lunda
