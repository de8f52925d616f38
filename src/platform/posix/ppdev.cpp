// PpdevApi over the kernel's ppdev ioctls.
#include "platform/ppdev.h"

#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace lunda {

namespace {

int ResultOf(int returned) { return returned < 0 ? errno : 0; }

class KernelPpdev final : public PpdevApi {
 public:
  int Open(const std::string& path, int& handle) override {
    handle = open(path.c_str(), O_RDWR | O_CLOEXEC);
    return ResultOf(handle);
  }
  int Claim(int handle) override { return ResultOf(ioctl(handle, PPCLAIM)); }
  int Release(int handle) override { return ResultOf(ioctl(handle, PPRELEASE)); }
  void Close(int handle) override { close(handle); }
  int WriteData(int handle, std::uint8_t value) override {
    unsigned char byte = value;
    return ResultOf(ioctl(handle, PPWDATA, &byte));
  }
  int ReadData(int handle, std::uint8_t& value) override {
    unsigned char byte = 0;
    const int result = ResultOf(ioctl(handle, PPRDATA, &byte));
    value = byte;
    return result;
  }
};

}  // namespace

PpdevApi& SystemPpdev() {
  static KernelPpdev api;
  return api;
}

}  // namespace lunda
