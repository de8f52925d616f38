// CProgrammerApp: start-up, the catalogue, the opened port and the clock for one run.
#pragma once

#include <functional>
#include <memory>

#include "algorithm/catalogue.h"
#include "device/port_choice.h"
#include "gui/app/command_line.h"
#include "gui/app/port_driver_actions.h"
#include "gui/ui/main_dlg.h"
#include "gui/write/write_sequence.h"
#include "platform/system_clock.h"
#include "platform/system_scheduler.h"

namespace lunda {

inline constexpr int kExitCode = 1;

// What start-up takes from outside: messages, the driver, help and the window's commands.
struct AppServices {
  ErrorReporter& reporter;
  PortDriverActions& driver;
  CMainDlg::HelpFunction showHelp;
  // The main window's commands, given the port, clock and scheduler that a write uses.
  std::function<MainWindowCommands(const WriteEnvironment&)> makeCommands;
};

class CProgrammerApp {
 public:
  explicit CProgrammerApp(AppServices services) : services_(std::move(services)) {}

  // The whole run: a driver switch, or the scan of the data folder (by default "data" under the
  // working directory), the port, and the main window until it closes. Returns the process exit
  // code, 1 on every path.
  // --help and --version are the caller's, before any window system is needed.
  int Run(const CommandLine& commandLine);

  [[nodiscard]] const AlgorithmCatalogue& Catalogue() const { return catalogue_; }

 private:
  // Opens the chosen port, wrapped in the recorder when asked; false after telling the user.
  bool OpenChosenPort(const AppOptions& options);

  AppServices services_;
  AlgorithmCatalogue catalogue_;
  SystemClock clock_;
  std::unique_ptr<Scheduler> scheduler_ = CreateSystemScheduler();
  OpenedPort port_;
};

}  // namespace lunda
