// SCHED_FIFO where CAP_SYS_NICE or RLIMIT_RTPRIO allows it, with the process's memory locked so
// that no page fault stretches a step.
#include "platform/system_scheduler.h"

#include <pthread.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/resource.h>

#include <algorithm>

#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace lunda {
namespace {

// Ahead of every ordinary process, below the interrupt threads of a kernel that threads its
// interrupts (50), so that a 100 ms busy stretch never holds off a disk or a network card.
constexpr int kRealTimePriority = 40;

bool SetFifo(pthread_t thread) {
  sched_param param{};
  param.sched_priority = kRealTimePriority;
  if (pthread_setschedparam(thread, SCHED_FIFO, &param) == 0) return true;
#ifdef RLIMIT_RTPRIO
  // Without CAP_SYS_NICE a user may still go up to the limit a limits.d entry grants.
  rlimit limit{};
  if (getrlimit(RLIMIT_RTPRIO, &limit) != 0 || limit.rlim_cur == 0) return false;
  param.sched_priority =
      static_cast<int>(std::min<rlim_t>(limit.rlim_cur, static_cast<rlim_t>(kRealTimePriority)));
  return pthread_setschedparam(thread, SCHED_FIFO, &param) == 0;
#else
  return false;
#endif
}

class PosixScheduler final : public Scheduler {
 public:
  SchedulingMode RaiseCurrentThread() override {
    const pthread_t self = pthread_self();
#ifdef __linux__
    // An ordinary thread's sleep may end up to its timer slack (50 us by default) late; a
    // real-time thread has none, and a refused one should wait as little as the system allows.
    savedTimerSlack = prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    prctl(PR_SET_TIMERSLACK, 1, 0, 0, 0);
#endif
    if (pthread_getschedparam(self, &savedPolicy, &savedParam) != 0 || !SetFifo(self)) {
      return SchedulingMode::kDefault;
    }
    raised = true;
    // Pins what is resident and what is touched from now on, without reading in every page of
    // every library. This program locks nothing else, so the restore may unlock all.
#ifdef MCL_ONFAULT
    memoryLocked = mlockall(MCL_CURRENT | MCL_ONFAULT) == 0;
#else
    memoryLocked = mlockall(MCL_CURRENT) == 0;
#endif
    return SchedulingMode::kRealTime;
  }

  void RestoreCurrentThread() override {
    if (memoryLocked) munlockall();
    if (raised) pthread_setschedparam(pthread_self(), savedPolicy, &savedParam);
#ifdef __linux__
    if (savedTimerSlack > 0) prctl(PR_SET_TIMERSLACK, savedTimerSlack, 0, 0, 0);
#endif
    raised = false;
    memoryLocked = false;
  }

 private:
  int savedPolicy = SCHED_OTHER;
  sched_param savedParam{};
  int savedTimerSlack = 0;
  bool raised = false;
  bool memoryLocked = false;
};

}  // namespace

std::unique_ptr<Scheduler> CreateSystemScheduler() { return std::make_unique<PosixScheduler>(); }

}  // namespace lunda
