// lunda-cli write: patch an algorithm's image and clock it into a controller on a port.
#include "cli/command_write.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

#include "cli/commands.h"
#include "cli/patch_options.h"
#include "device/lpt_transmitter.h"
#include "device/port_choice.h"
#include "device/port_driver.h"
#include "platform/error_reporter.h"
#include "platform/port_driver_os.h"
#include "platform/system_clock.h"
#include "platform/system_scheduler.h"
#include "platform/terminal.h"

namespace lunda::cli {
namespace {

constexpr auto kSettle = std::chrono::milliseconds(100);

// "\r  1234/5120 bytes, 21 s left", nominal time of what is still to send.
void ShowProgress(std::ostream& err, std::uint32_t sent, std::uint32_t total) {
  const double secondsLeft =
      static_cast<double>(NominalTransmitUnits(total) - NominalTransmitUnits(sent)) / 10'000;
  char line[80];
  std::snprintf(line, sizeof line, "\r%5u/%u bytes, %2.0f s left ", sent, total, secondsLeft);
  err << line << std::flush;
}

int Transmit(const CommandContext& context, LptTransmitter& transmitter, TransmitJob& job) {
  const bool progress = &context.err == &std::cerr && StderrIsTerminal();
  if (!progress) return transmitter.TransmitThreadProc(&job);
  std::atomic<int> code = 0;
  std::thread worker([&] { code = transmitter.TransmitThreadProc(&job); });
  const std::uint32_t total = job.algorithm->imageSize;
  // The worker's end is seen by the counter reaching the total; join waits out its last sleep.
  while (job.bytesSent.load(std::memory_order_relaxed) < total) {
    ShowProgress(context.err, job.bytesSent.load(std::memory_order_relaxed), total);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (code != 0) break;
  }
  worker.join();
  ShowProgress(context.err, job.bytesSent.load(std::memory_order_relaxed), total);
  context.err << '\n';
  return code;
}

// Start-up's messages, which are the driver's, go to stderr like the command's own.
class StderrReporter final : public ErrorReporter {
 public:
  explicit StderrReporter(const CommandContext& context) : context_(context) {}
  void ShowError(std::string_view text) override {
    static_cast<void>(Fail(context_, kExitFailure, text));
  }
  void ShowInfo(std::string_view text) override { context_.err << text << '\n'; }

 private:
  const CommandContext& context_;
};

// As the window's start-up does: the driver first where the port instructions need it (they
// would otherwise end the process with a privileged-instruction fault), then the port test; a
// port that does not read back what was written gets nothing sent.
bool MakePortUsable(const CommandContext& context, const PortChoice& choice, DriverOs* driverOs,
                    Port& port) {
  StderrReporter reporter(context);
  if (driverOs != nullptr && choice.kind == PortChoice::Kind::kDirectIo) {
    return LoadPortDriver(*driverOs, reporter, port);
  }
  if (PortTestPasses(port)) return true;
  reporter.ShowError(PortAccessFailureText(port.LastFault()));
  return false;
}

}  // namespace

int RunWrite(const CommandContext& context, CommandArgs args, Clock& clock, Scheduler& scheduler,
             const WriteSystem& system) {
  PatchOptions options;
  std::string portText(DefaultPortText());
  std::string vcd;
  std::string indexText;
  std::string error;
  if (!ParsePatchArguments("write", args, {{"--port", &portText}, {"--vcd", &vcd}}, options,
                           indexText, error)) {
    return Fail(context, kExitUsage, error);
  }
  PortChoice choice;
  if (!ParsePortChoice(portText, choice, error)) return Fail(context, kExitUsage, error);

  AlgorithmCatalogue catalogue;
  CAlgorithm* algorithm =
      PatchSelectedAlgorithm(context.dataDir, indexText, options, catalogue, error);
  if (!algorithm) return Fail(context, kExitUsage, error);

  OpenedPort opened;
  PortFault fault;
  if (!system.openPort(choice, clock, opened, fault)) {
    return Fail(context, kExitFailure, DescribeInEnglish(fault));
  }
  if (!vcd.empty() && !RecordPort(opened, clock, vcd, error)) {
    return Fail(context, kExitFailure, error);
  }
  Port& port = *opened.port;
  if (!MakePortUsable(context, choice, system.driverOs, port)) return kExitFailure;
  // The verdict printed at the end covers the write alone, not the test.
  if (opened.simulator) opened.simulator->Reset();

  port.Write(kPortRestLevel);
  clock.Sleep(kSettle);
  TransmitJob job;
  job.algorithm = algorithm;
  // The image is never empty here, so a transmission ends short only on a port failure, which
  // the port keeps.
  LptTransmitter transmitter(port, clock, scheduler);
  const int transmitted = Transmit(context, transmitter, job);
  clock.Sleep(kSettle);
  port.Write(kPortRestLevel);

  const std::optional<PortFault> failed = port.LastFault();
  if (failed && transmitted == kTransmitRefused) {
    return Fail(context, kExitFailure, DescribeInEnglish(*failed));
  }
  if (failed) {
    return Fail(context, kExitFailure,
                DescribeInEnglish(*failed) + "; the controller got " +
                    std::to_string(job.bytesSent.load()) + " of " +
                    std::to_string(algorithm->imageSize) + " bytes, write it again");
  }
  if (opened.recorder && !opened.recorder->Close(error)) return Fail(context, kExitFailure, error);
  if (opened.simulator) {
    const TransferReport report = opened.simulator->Report();
    context.err << FormatTransferReport(report);
    if (!IsGoodTransfer(report)) return kExitFailure;
  }
  context.out << "Wrote " << job.bytesSent.load() << " bytes to " << portText << " ("
              << SchedulingModeName(job.scheduling) << " scheduling).\n";
  return kExitOk;
}

const Command kWriteCommand{
    "write",
    "write INDEX --date YYYY-MM-DD [--set NAME=VALUE]... [--port PORT] [--vcd FILE]\n"
    "  Patches the algorithm's image like 'image' and clocks it into a controller, about 28 s.\n"
    "  A port that fails lunda's start-up test (0x14 written, read back) gets nothing;\n"
    "  on Windows, io: ports first load the port-I/O driver, as lunda does.\n"
    "  --port sim | /dev/parportN | io:ADDRESS | ftdi[:SERIAL|:INDEX]\n"
    "                      the port (default: the first parallel port); sim is a simulated\n"
    "                      controller that checks what it receives; ftdi is a USB adapter on an\n"
    "                      FT232H, FT2232H or FT4232H chip, whose measured rate is checked first\n"
    "  --vcd FILE          also records the port's lines as a VCD waveform (sigrok: see README)",
    [](const CommandContext& context, CommandArgs args) {
      SystemClock clock;
      const std::unique_ptr<DriverOs> driverOs = MakePortDriverOs();
      return RunWrite(context, args, clock, *CreateSystemScheduler(), {.driverOs = driverOs.get()});
    }};

}  // namespace lunda::cli
