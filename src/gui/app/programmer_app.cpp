// Start-up in its fixed order: switches, catalogue, driver and port, main window.
#include "gui/app/programmer_app.h"

#include "gui/framework/resources.h"

namespace lunda {
namespace {

// The box's own text names "data" only; started from a menu, on another folder, or from another
// working directory, the user needs to see the folder that was searched.
std::string NoAlgorithmsText(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::path shown = std::filesystem::absolute(folder, error);
  if (error) shown = folder;
  const std::u8string utf8 = shown.lexically_normal().u8string();
  return LoadString(ids::strings::kNoAlgorithms) + "\n" +
         FormatString(LoadString(ids::strings::kAlgorithmFolder),
                      {std::string(utf8.begin(), utf8.end())});
}

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
  if (!ScanCatalogue(commandLine.options.dataFolder, catalogue_)) {
    services_.reporter.ShowError(NoAlgorithmsText(commandLine.options.dataFolder));
    return kExitCode;
  }
  if (!OpenChosenPort(commandLine.options)) return kExitCode;
  port_.port->Write(kPortRestLevel);
  const WriteEnvironment environment{*port_.port, clock_, *scheduler_, port_.simulator};
  MainWindowCommands commands =
      services_.makeCommands ? services_.makeCommands(environment) : MainWindowCommands{};
  CMainDlg mainWindow(catalogue_, std::move(commands), services_.showHelp);
  mainWindow.DoModal();
  return kExitCode;
}

bool CProgrammerApp::OpenChosenPort(const AppOptions& options) {
  PortFault fault;
  if (!OpenPort(options.port, clock_, port_, fault)) {
    services_.reporter.ShowError(PortAccessFailureText(fault));
    return false;
  }
  std::string error;
  // Wrapped before the port test, so that the recording holds every value the port saw.
  if (options.vcdPath && !RecordPort(port_, clock_, *options.vcdPath, error)) {
    services_.reporter.ShowError(
        FormatString(LoadString(ids::strings::kCannotRecord), {options.vcdPath->string()}));
    return false;
  }
  return services_.driver.Load(*port_.port, options.port.kind);
}

}  // namespace lunda
