// The driver operations where the kernel grants port access itself (Linux ppdev): nothing to
// install, and "loading" means the port opened and answered the port test.
#include "device/port_driver_ppdev.h"

#include <string>

#include "device/port_driver.h"

namespace lunda {
namespace {

constexpr char kPortAccessText[] = "Не могу получить доступ к LPT-порту";
constexpr char kOpenRemedyText[] =
    "Проверьте, что загружен модуль ядра ppdev и что у вас есть права на устройство порта "
    "(группа lp).";
constexpr char kNoDriverText[] =
    "В этой системе драйвер LPT-порта не нужен: доступ к порту даёт модуль ядра ppdev.\n"
    "Ничего не изменено.";

}  // namespace

bool LoadPortDriver(ErrorReporter& reporter, Port* openedPort, std::string_view openError) {
  if (openedPort == nullptr) {
    std::string text = kPortAccessText;
    if (!openError.empty()) text.append("\n").append(openError);
    reporter.ShowError(text.append("\n").append(kOpenRemedyText));
    return false;
  }
  if (!PortTestPasses(*openedPort)) {
    std::string text = kPortAccessText;
    if (const std::string error = openedPort->LastError(); !error.empty()) {
      text.append("\n").append(error);
    }
    reporter.ShowError(text);
    return false;
  }
  return true;
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
