// PpdevPort: ppdev's calls, with the port given back on every way out.
#include "device/ppdev_port.h"

namespace lunda {

std::unique_ptr<PpdevPort> PpdevPort::Open(PpdevApi& api, const std::string& path,
                                           PortFault& fault) {
  int handle = -1;
  if (const int code = api.Open(path, handle); code != 0) {
    fault = {PortFault::Step::kOpen, path, code};
    return nullptr;
  }
  if (const int code = api.Claim(handle); code != 0) {
    api.Close(handle);
    fault = {PortFault::Step::kClaim, path, code};
    return nullptr;
  }
  return std::unique_ptr<PpdevPort>(new PpdevPort(api, path, handle));
}

PpdevPort::~PpdevPort() {
  api.Release(handle);
  api.Close(handle);
}

void PpdevPort::Failed(PortFault::Step step, int code) {
  if (!fault) fault = PortFault{step, path, code};
}

void PpdevPort::Write(std::uint8_t value) {
  if (const int code = api.WriteData(handle, value); code != 0) {
    Failed(PortFault::Step::kWrite, code);
  }
}

std::uint8_t PpdevPort::Read() {
  std::uint8_t value = 0;
  if (const int code = api.ReadData(handle, value); code != 0) Failed(PortFault::Step::kRead, code);
  return value;
}

}  // namespace lunda
