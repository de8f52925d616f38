// Start-up in its fixed order: switches, catalogue, driver and port, main window.
#include "gui/app/programmer_app.h"

#include "device/waveform_recorder.h"
#include "gui/framework/resources.h"

namespace lunda {
namespace {

constexpr int kIdsNoAlgorithms = 110;

}  // namespace

int CProgrammerApp::Run(const CommandLine& commandLine) {
  switch (commandLine.driverAction) {
    case DriverAction::kInstall:
      services_.driver.Install();
      return kExitCode;
    case DriverAction::kRemove:
      services_.driver.Remove();
      return kExitCode;
    case DriverAction::kNone:
      break;
  }
  if (!commandLine.error.empty()) {
    services_.reporter.ShowError(commandLine.error);
    return kExitCode;
  }
  if (!ScanCatalogue(kDataFolder, catalogue_)) {
    services_.reporter.ShowError(LoadString(kIdsNoAlgorithms));
    return kExitCode;
  }
  if (!OpenChosenPort(commandLine.options)) return kExitCode;
  port_.port->Write(kPortRestLevel);
  const WriteEnvironment environment{*port_.port, clock_, port_.simulator};
  MainWindowCommands commands =
      services_.makeCommands ? services_.makeCommands(environment) : MainWindowCommands{};
  CMainDlg mainWindow(catalogue_, std::move(commands), services_.showHelp);
  mainWindow.DoModal();
  return kExitCode;
}

bool CProgrammerApp::OpenChosenPort(const AppOptions& options) {
  std::string error;
  if (!OpenPort(options.port, clock_, std::nullopt, port_, error)) {
    // Reported there with the remedy; a port that did not open is never usable.
    static_cast<void>(services_.driver.Load(nullptr, error, options.port.kind));
    return false;
  }
  if (options.vcdPath) {
    // Wrapped before the port test, so that the recording holds every value the port saw.
    auto recorder =
        WaveformRecorder::Create(std::move(port_.port), clock_, *options.vcdPath, error);
    if (!recorder) {
      services_.reporter.ShowError("Не могу создать файл записи " + options.vcdPath->string() +
                                   "\n" + error);
      return false;
    }
    port_.recorder = recorder.get();
    port_.port = std::move(recorder);
  }
  return services_.driver.Load(port_.port.get(), {}, options.port.kind);
}

}  // namespace lunda
