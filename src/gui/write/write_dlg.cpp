// CWriteDlg: the UI thread only polls the transmit thread, so the window stays responsive for
// the half minute a write takes.
#include "gui/write/write_dlg.h"

#include <QProgressBar>
#include <system_error>
#include <utility>

#include "gui/framework/message_box.h"
#include "gui/framework/resources.h"

namespace lunda {
namespace {

constexpr int kIdsCannotStartWrite = 1321;

}  // namespace

std::thread StartStdThread(std::function<void()> body) { return std::thread(std::move(body)); }

CWriteDlg::CWriteDlg(const CAlgorithm& algorithm, Port& port, Clock& clock, Scheduler& scheduler,
                     QWidget* parent, ThreadStarter startThread)
    : CDialog(kTemplateId, parent),
      transmitter(port, clock, scheduler),
      startThread(std::move(startThread)) {
  job.algorithm = &algorithm;
  timer.setInterval(kTimerPeriodMs);
  connect(&timer, &QTimer::timeout, this, &CWriteDlg::OnTimer);
}

CWriteDlg::~CWriteDlg() {
  if (thread.joinable()) thread.join();
}

bool CWriteDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (started) return true;  // one transmission per dialog, however often it is shown
  started = true;
  if (auto* bar = Control<QProgressBar>(kProgressId)) {
    bar->setRange(0, static_cast<int>(job.algorithm->imageSize));
    bar->setValue(0);
  }
  timer.start();
  job.bytesSent.store(0, std::memory_order_relaxed);
  try {
    thread = startThread([this] { Transmit(); });
  } catch (const std::system_error& error) {
    // Waiting for a thread that does not exist would keep the dialog open for ever; the first
    // tick reports it instead, once the dialog is on screen.
    startError = LoadString(kIdsCannotStartWrite).arg(QString::fromLocal8Bit(error.what()));
  }
  return true;
}

void CWriteDlg::Transmit() {
  exitCode = transmitter.TransmitThreadProc(&job);
  ended.store(true, std::memory_order_release);
}

void CWriteDlg::OnTimer() {
  ShowProgress();
  if (!startError.isEmpty()) {
    timer.stop();
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
  timer.stop();
  if (thread.joinable()) thread.join();
  ShowProgress();
  EndDialog(exitCode);
}

void CWriteDlg::ShowProgress() {
  if (auto* bar = Control<QProgressBar>(kProgressId)) bar->setValue(static_cast<int>(BytesSent()));
}

}  // namespace lunda
