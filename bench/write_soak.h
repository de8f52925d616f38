// Writes in a row through the real progress dialog, each with a date of its own, received by the
// simulated controller on the fake clock; and the process's threads, descriptors and memory, to
// see that nothing piles up. For the soak benchmark.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "algorithm/algorithm.h"
#include "device/lpt_transmitter.h"
#include "device/simulated_controller.h"
#include "gui/write/write_dlg.h"
#include "tests/device/fake_clock.h"
#include "tests/device/fake_scheduler.h"

namespace lunda::test {

class WriteSoak {
 public:
  explicit WriteSoak(CAlgorithm& algorithm) : algorithm(algorithm) {}

  // The next write; true when the controller got the freshly patched image whole, adding up
  // and well timed.
  bool WriteOnce() {
    const CalendarDate date{2000 + writes % 60, 1 + writes % 12, 1 + writes % 28};
    ++writes;
    if (!algorithm.PatchImage(date)) return false;
    controller.Reset();
    const int result = CWriteDlg(algorithm, controller, clock, scheduler, nullptr).DoModal();
    const TransferReport report = controller.Report();
    return result == kTransmitDone && IsGoodTransfer(report) && report.bytes == algorithm.image;
  }

 private:
  CAlgorithm& algorithm;
  FakeClock clock{10'000'000, 250};
  SimulatedController controller{clock};
  FakeScheduler scheduler;
  int writes = 0;
};

struct ProcessFigures {
  long threads = 0;
  long descriptors = 0;
  long residentKb = 0;
  long peakResidentKb = 0;
};

// From /proc/self, so Linux only.
inline ProcessFigures ReadProcessFigures() {
  namespace fs = std::filesystem;
  ProcessFigures figures;
  figures.threads = std::distance(fs::directory_iterator("/proc/self/task"), {});
  // The listing's own descriptor is among them; it is there on every reading.
  figures.descriptors = std::distance(fs::directory_iterator("/proc/self/fd"), {});
  std::ifstream status("/proc/self/status");
  for (std::string key; status >> key;) {
    if (key == "VmRSS:") status >> figures.residentKb;
    if (key == "VmHWM:") status >> figures.peakResidentKb;
  }
  return figures;
}

}  // namespace lunda::test
