// The three port-driver operations of start-up, bound to this platform's way of reaching the
// port.
#pragma once

#include <memory>

#include "device/port.h"
#include "device/port_choice.h"
#include "platform/error_reporter.h"

namespace lunda {

class PortDriverActions {
 public:
  virtual ~PortDriverActions() = default;
  // "/i" and "/u"; each reports its own failures, and start-up ends either way.
  virtual void Install() = 0;
  virtual void Remove() = 0;
  // Makes the opened port of that kind usable, or reports why not.
  [[nodiscard]] virtual bool Load(Port& port, PortChoice::Kind kind) = 0;
};

// ppdev on Linux, the port-I/O driver on Windows; messages go to reporter, which must outlive
// the result.
[[nodiscard]] std::unique_ptr<PortDriverActions> MakePortDriverActions(ErrorReporter& reporter);

}  // namespace lunda
