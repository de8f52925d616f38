// RunWriteSequence: from "Запись" to a programmed controller and the port back at rest.
#include "gui/write/write_sequence.h"

#include <chrono>
#include <ctime>

#include "algorithm/algorithm.h"
#include "device/lpt_transmitter.h"
#include "device/port.h"
#include "device/simulated_controller.h"
#include "device/transfer_report.h"
#include "gui/framework/application.h"
#include "gui/framework/dialog_ids.h"
#include "gui/framework/message_box.h"
#include "gui/framework/resources.h"
#include "gui/write/date_dlg.h"
#include "gui/write/prepare_dlg.h"
#include "gui/write/write_dlg.h"
#include "platform/clock.h"

namespace lunda {
namespace {

// The controller needs the rest level steady before the first bit and after the last.
constexpr auto kSettle = std::chrono::milliseconds(100);

CalendarDate Today() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday};
}

// Shows the date and instruction dialogs until the user starts the write (true, with date set
// to the picked one) or leaves the date dialog (false).
bool AskDate(CDialog* owner, CalendarDate& date) {
  CDateDlg dateDlg(owner);
  for (;;) {
    dateDlg.date = date;
    if (dateDlg.DoModal() != kIdOk) return false;
    date = dateDlg.date;
    CPrepareDlg prepareDlg(owner);
    if (prepareDlg.DoModal() == kIdOk) return true;
  }
}

}  // namespace

void RunWriteSequence(const WriteEnvironment& environment, CAlgorithm& algorithm, CDialog* owner) {
  // The verdict reported after this write covers this write alone.
  if (environment.simulator) environment.simulator->Reset();
  environment.port.Write(kPortRestLevel);
  environment.clock.Sleep(kSettle);

  CalendarDate date = Today();
  if (!AskDate(owner, date)) return;
  if (!algorithm.PatchImage(date)) {
    MessageBox(owner, LoadString(ids::strings::kCannotBuildImage), MessageIcon::kError);
    return;
  }

  int result = kTransmitNotStarted;
  std::uint32_t bytesSent = 0;
  SchedulingMode scheduling = SchedulingMode::kDefault;
  {
    CWriteDlg writeDlg(algorithm, environment.port, environment.clock, environment.scheduler,
                       owner);
    result = writeDlg.DoModal();
    bytesSent = writeDlg.BytesSent();
    scheduling = writeDlg.Scheduling();
  }
  environment.clock.Sleep(kSettle);
  environment.port.Write(kPortRestLevel);

  if (environment.simulator) {
    ShowDiagnosticText("Scheduling: " + std::string(SchedulingModeName(scheduling)) + "\n" +
                           FormatTransferReport(environment.simulator->Report()),
                       owner);
  }
  // A port that failed mid-write (a USB adapter pulled, a driver gone) left the controller with a
  // broken image: saying nothing would pass that off as a finished write.
  const std::optional<PortFault> fault = environment.port.LastFault();
  if (result == kTransmitPortFailed && fault) {
    MessageBox(owner,
               FormatString(LoadString(ids::strings::kWriteBroken),
                            {DescribeInRussian(*fault), std::to_string(bytesSent),
                             std::to_string(algorithm.imageSize)}),
               MessageIcon::kError);
  }
  // A USB adapter whose measured rate is off got nothing that moves a line.
  if (result == kTransmitRefused && fault) {
    MessageBox(owner,
               FormatString(LoadString(ids::strings::kWriteRefused), {DescribeInRussian(*fault)}),
               MessageIcon::kError);
  }
}

}  // namespace lunda
