// Time-critical thread priority, and the system timer at 1 ms for the length of the raise so
// that the waitable timer of a pause wakes within a millisecond where it has no high-resolution
// mode (XP to Windows 10 1709).
#include "platform/system_scheduler.h"

#include <windows.h>
// windows.h first: mmsystem.h needs its types.
#include <mmsystem.h>

namespace lunda {
namespace {

constexpr UINT kTimerPeriodMs = 1;

class Win32Scheduler final : public Scheduler {
 public:
  SchedulingMode RaiseCurrentThread() override {
    periodSet = timeBeginPeriod(kTimerPeriodMs) == TIMERR_NOERROR;
    const HANDLE self = GetCurrentThread();
    savedPriority = GetThreadPriority(self);
    raised = savedPriority != THREAD_PRIORITY_ERROR_RETURN &&
             SetThreadPriority(self, THREAD_PRIORITY_TIME_CRITICAL) != 0;
    return raised ? SchedulingMode::kRealTime : SchedulingMode::kDefault;
  }

  void RestoreCurrentThread() override {
    if (raised) SetThreadPriority(GetCurrentThread(), savedPriority);
    if (periodSet) timeEndPeriod(kTimerPeriodMs);
    raised = false;
    periodSet = false;
  }

 private:
  int savedPriority = THREAD_PRIORITY_NORMAL;
  bool raised = false;
  bool periodSet = false;
};

}  // namespace

std::unique_ptr<Scheduler> CreateSystemScheduler() { return std::make_unique<Win32Scheduler>(); }

}  // namespace lunda
