// Where the kernel grants port access itself: nothing to install, loading is the port test.
#include "device/port_driver_ppdev.h"
#include "gui/app/port_driver_actions.h"

namespace lunda {
namespace {

class PpdevDriverActions final : public PortDriverActions {
 public:
  explicit PpdevDriverActions(ErrorReporter& reporter) : reporter_(reporter) {}
  void Install() override { static_cast<void>(InstallPortDriver(reporter_)); }
  void Remove() override { static_cast<void>(RemovePortDriver(reporter_)); }
  bool Load(Port& port, PortChoice::Kind) override { return LoadPortDriver(reporter_, port); }

 private:
  ErrorReporter& reporter_;
};

}  // namespace

std::unique_ptr<PortDriverActions> MakePortDriverActions(ErrorReporter& reporter) {
  return std::make_unique<PpdevDriverActions>(reporter);
}

}  // namespace lunda
