// A scheduler for tests that grants or refuses real-time and counts the raises and restores, so
// the tests' threads keep their ordinary priority.
#pragma once

#include "platform/scheduler.h"

namespace lunda {

class FakeScheduler final : public Scheduler {
 public:
  explicit FakeScheduler(bool grants = true) : grants(grants) {}

  [[nodiscard]] SchedulingMode RaiseCurrentThread() override {
    ++raises;
    return grants ? SchedulingMode::kRealTime : SchedulingMode::kDefault;
  }
  void RestoreCurrentThread() override { ++restores; }

  bool grants;
  int raises = 0;
  int restores = 0;
};

}  // namespace lunda
