// CWriteDlg: the progress dialog that runs the transmit thread and closes when it has ended.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

#include "algorithm/algorithm.h"
#include "device/lpt_transmitter.h"
#include "device/port.h"
#include "gui/framework/dialog.h"
#include "platform/clock.h"
#include "platform/scheduler.h"

namespace lunda {

// The dialog's result when the transmit thread could not be created; TransmitThreadProc never
// returns it. Nothing was sent then.
inline constexpr int kTransmitNotStarted = 0;

// Creates the thread that runs body; throws std::system_error when the system refuses, as
// std::thread does. Tests put a refusing one in.
using ThreadStarter = std::function<std::thread(std::function<void()> body)>;

[[nodiscard]] std::thread StartStdThread(std::function<void()> body);

// The user cannot stop a write: Enter, Esc and the close command do nothing while the thread
// runs, and the dialog has no buttons. It ends by itself on the first timer tick after the
// thread has ended, with the thread's exit code (or kTransmitNotStarted, after an error box).
class CWriteDlg : public CDialog {
 public:
  static constexpr int kTimerPeriodMs = 10;

  // algorithm, port, clock and scheduler must outlive the dialog.
  CWriteDlg(const CAlgorithm& algorithm, Port& port, Clock& clock, Scheduler& scheduler,
            CDialog* parent, ThreadStarter startThread = &StartStdThread);
  // Waits for the thread if it still runs, since it uses the dialog's job.
  ~CWriteDlg() override;
  CWriteDlg(const CWriteDlg&) = delete;
  CWriteDlg& operator=(const CWriteDlg&) = delete;

  [[nodiscard]] std::uint32_t BytesSent() const {
    return job.bytesSent.load(std::memory_order_relaxed);
  }
  // What the transmit thread was granted; meaningful once DoModal has returned.
  [[nodiscard]] SchedulingMode Scheduling() const { return job.scheduling; }

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void OnTimer(int id) override;

 private:
  void Transmit();
  [[nodiscard]] bool ThreadEnded() const { return ended.load(std::memory_order_acquire); }
  // Joins the ended thread and closes with its exit code.
  void Finish();
  void ShowProgress();

  LptTransmitter transmitter;
  TransmitJob job;
  ThreadStarter startThread;
  std::thread thread;
  bool started = false;
  int exitCode = kTransmitNotStarted;  // written by the thread before it sets ended
  std::atomic<bool> ended{false};
  std::string startError;  // why the thread could not be created
};

}  // namespace lunda
