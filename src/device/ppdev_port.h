// The parallel port through Linux's ppdev (/dev/parportN): claimed while open, released on every
// way out. Needs membership of the group lp, not root.
#pragma once

#include <memory>
#include <string>

#include "device/port.h"
#include "platform/ppdev.h"

namespace lunda {

class PpdevPort final : public Port {
 public:
  // Opens and claims path. Null, with the reason and the remedy in error, when that fails.
  [[nodiscard]] static std::unique_ptr<PpdevPort> Open(PpdevApi& api, const std::string& path,
                                                       std::string& error);
  ~PpdevPort() override;
  PpdevPort(const PpdevPort&) = delete;
  PpdevPort& operator=(const PpdevPort&) = delete;

  void Write(std::uint8_t value) override;
  [[nodiscard]] std::uint8_t Read() override;
  [[nodiscard]] std::string LastError() const override { return error; }

 private:
  PpdevPort(PpdevApi& api, std::string path, int handle)
      : api(api), path(std::move(path)), handle(handle) {}
  void Failed(const char* operation, int code);

  PpdevApi& api;
  std::string path;
  int handle;
  std::string error;
};

}  // namespace lunda
