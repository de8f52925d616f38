// Windows: the port-I/O driver is initialised before the port test, installed by /i and
// removed by /u.
#include "device/port_driver.h"
#include "device/port_driver_ppdev.h"
#include "gui/app/port_driver_actions.h"
#include "platform/win32/driver_os_win32.h"

namespace lunda {
namespace {

class Win32DriverActions final : public PortDriverActions {
 public:
  explicit Win32DriverActions(ErrorReporter& reporter) : reporter_(reporter) {}
  void Install() override { static_cast<void>(InstallPortDriver(os_, reporter_)); }
  void Remove() override { static_cast<void>(RemovePortDriver(os_, reporter_)); }
  bool Load(Port& port, PortChoice::Kind kind) override {
    if (kind == PortChoice::Kind::kDirectIo) return LoadPortDriver(os_, reporter_, port);
    // Only the processor's port instructions need the driver; any other port is only tested,
    // as where the kernel grants port access itself.
    return LoadPortDriver(reporter_, port);
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
