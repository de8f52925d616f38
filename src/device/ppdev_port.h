// The parallel port through Linux's ppdev (/dev/parportN): claimed while open, released on every
// way out. Needs membership of the group lp, not root.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "device/port.h"
#include "platform/ppdev.h"

namespace lunda {

class PpdevPort final : public Port {
 public:
  // Opens and claims path. Null, with the fault, when that fails.
  [[nodiscard]] static std::unique_ptr<PpdevPort> Open(PpdevApi& api, const std::string& path,
                                                       PortFault& fault);
  ~PpdevPort() override;
  PpdevPort(const PpdevPort&) = delete;
  PpdevPort& operator=(const PpdevPort&) = delete;

  void Write(std::uint8_t value) override;
  [[nodiscard]] std::uint8_t Read() override;
  [[nodiscard]] std::optional<PortFault> LastFault() const override { return fault; }

 private:
  PpdevPort(PpdevApi& api, std::string path, int handle)
      : api(api), path(std::move(path)), handle(handle) {}
  void Failed(PortFault::Step step, int code);

  PpdevApi& api;
  std::string path;
  int handle;
  std::optional<PortFault> fault;
};

}  // namespace lunda
