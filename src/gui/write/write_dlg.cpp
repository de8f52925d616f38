// CWriteDlg: the UI thread only polls the transmit thread, so the window stays responsive for
// the half minute a write takes.
#include "gui/write/write_dlg.h"

#include <system_error>
#include <utility>

#include "gui/framework/message_box.h"
#include "gui/framework/progress_bar.h"
#include "gui/framework/resources.h"

namespace lunda {
namespace {

constexpr int kTimerId = 1;

}  // namespace

std::thread StartStdThread(std::function<void()> body) { return std::thread(std::move(body)); }

CWriteDlg::CWriteDlg(const CAlgorithm& algorithm, Port& port, Clock& clock, Scheduler& scheduler,
                     CDialog* parent, ThreadStarter startThread)
    : CDialog(ids::write_dlg::kTemplate, parent),
      transmitter(port, clock, scheduler),
      startThread(std::move(startThread)) {
  job.algorithm = &algorithm;
}

CWriteDlg::~CWriteDlg() {
  if (thread.joinable()) thread.join();
}

bool CWriteDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (started) return true;  // one transmission per dialog, however often it is shown
  started = true;
  CProgressCtrl bar(*this, ids::write_dlg::kProgress);
  bar.SetRange(0, static_cast<int>(job.algorithm->imageSize));
  bar.SetPos(0);
  SetTimer(kTimerId, kTimerPeriodMs);
  job.bytesSent.store(0, std::memory_order_relaxed);
  try {
    thread = startThread([this] { Transmit(); });
  } catch (const std::system_error& error) {
    // Waiting for a thread that does not exist would keep the dialog open for ever; the first
    // tick reports it instead, once the dialog is on screen.
    startError = FormatString(LoadString(ids::strings::kCannotStartWrite), {error.what()});
  }
  return true;
}

void CWriteDlg::Transmit() {
  exitCode = transmitter.TransmitThreadProc(&job);
  ended.store(true, std::memory_order_release);
}

void CWriteDlg::OnTimer(int id) {
  if (id != kTimerId) return;
  ShowProgress();
  if (!startError.empty()) {
    KillTimer(kTimerId);
    MessageBox(this, startError, MessageIcon::kError);
    EndDialog(kTransmitNotStarted);
  } else if (ThreadEnded()) {
    Finish();
  }
}

// Once the thread has ended, Enter, Esc and the close command end the dialog as the next tick
// would, with the thread's exit code, so that no path loses a failed transmission's code.
void CWriteDlg::OnOK() {
  if (ThreadEnded()) Finish();
}

void CWriteDlg::OnCancel() {
  if (ThreadEnded()) Finish();
}

void CWriteDlg::Finish() {
  KillTimer(kTimerId);
  if (thread.joinable()) thread.join();
  ShowProgress();
  EndDialog(exitCode);
}

void CWriteDlg::ShowProgress() {
  CProgressCtrl(*this, ids::write_dlg::kProgress).SetPos(static_cast<int>(BytesSent()));
}

}  // namespace lunda
