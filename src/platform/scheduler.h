// Puts the calling thread ahead of ordinary work for a time-critical stretch, as far as the
// system grants it.
#pragma once

namespace lunda {

enum class SchedulingMode {
  kDefault,   // the thread's own priority; the system refused more, or was not asked
  kRealTime,  // ahead of every ordinary thread (SCHED_FIFO, or time-critical priority)
};

[[nodiscard]] constexpr const char* SchedulingModeName(SchedulingMode mode) {
  return mode == SchedulingMode::kRealTime ? "real-time" : "default";
}

class Scheduler {
 public:
  virtual ~Scheduler() = default;
  // Asks for real-time scheduling of the calling thread and whatever keeps it responsive; what
  // the system refuses stays as it was, without an error, since the work runs either way.
  [[nodiscard]] virtual SchedulingMode RaiseCurrentThread() = 0;
  // Puts back everything the last RaiseCurrentThread changed. Called on the same thread.
  virtual void RestoreCurrentThread() = 0;
};

// Holds the raise for one scope, so that no way out of it forgets the restore.
class RaisedScheduling {
 public:
  explicit RaisedScheduling(Scheduler& scheduler)
      : scheduler(scheduler), mode(scheduler.RaiseCurrentThread()) {}
  ~RaisedScheduling() { scheduler.RestoreCurrentThread(); }
  RaisedScheduling(const RaisedScheduling&) = delete;
  RaisedScheduling& operator=(const RaisedScheduling&) = delete;

  [[nodiscard]] SchedulingMode Mode() const { return mode; }

 private:
  Scheduler& scheduler;
  SchedulingMode mode;
};

}  // namespace lunda
