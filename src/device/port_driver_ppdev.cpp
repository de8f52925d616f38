// The driver operations where the kernel grants port access itself (Linux ppdev): nothing to
// install, and "loading" means the port opened and answered the port test.
#include "device/port_driver_ppdev.h"

#include "device/port_driver.h"

namespace lunda {
namespace {

constexpr char kNoDriverText[] =
    "В этой системе драйвер LPT-порта не нужен: доступ к порту даёт модуль ядра ppdev.\n"
    "Ничего не изменено.";

}  // namespace

bool LoadPortDriver(ErrorReporter& reporter, Port& port) {
  if (PortTestPasses(port)) return true;
  reporter.ShowError(PortAccessFailureText(port.LastFault()));
  return false;
}

bool InstallPortDriver(ErrorReporter& reporter) {
  reporter.ShowInfo(kNoDriverText);
  return true;
}

bool RemovePortDriver(ErrorReporter& reporter) {
  reporter.ShowInfo(kNoDriverText);
  return true;
}

}  // namespace lunda
