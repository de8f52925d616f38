// Windows: the port-I/O driver is initialised before the port test, installed by /i and
// removed by /u.
#include "device/port_driver.h"
#include "gui/app/port_driver_actions.h"
#include "platform/win32/driver_os_win32.h"

namespace lunda {
namespace {

constexpr char kPortAccessText[] = "Не могу получить доступ к LPT-порту";

class Win32DriverActions final : public PortDriverActions {
 public:
  explicit Win32DriverActions(ErrorReporter& reporter) : reporter_(reporter) {}
  void Install() override { static_cast<void>(InstallPortDriver(os_, reporter_)); }
  void Remove() override { static_cast<void>(RemovePortDriver(os_, reporter_)); }
  bool Load(Port* openedPort, std::string_view openError, PortChoice::Kind kind) override {
    if (openedPort == nullptr) {
      reporter_.ShowError(std::string(kPortAccessText).append("\n").append(openError));
      return false;
    }
    if (kind == PortChoice::Kind::kDirectIo) return LoadPortDriver(os_, reporter_, *openedPort);
    // Only the processor's port instructions need the driver; any other port is only tested.
    if (PortTestPasses(*openedPort)) return true;
    reporter_.ShowError(kPortAccessText);
    return false;
  }

 private:
  ErrorReporter& reporter_;
  Win32DriverOs os_;
};

}  // namespace

std::unique_ptr<PortDriverActions> MakePortDriverActions(ErrorReporter& reporter) {
  return std::make_unique<Win32DriverActions>(reporter);
}

}  // namespace lunda
