// PpdevPort: ppdev's errors turned into what the user can do about them.
#include "device/ppdev_port.h"

#include <cerrno>
#include <system_error>

namespace lunda {
namespace {

std::string Reason(int code) { return std::generic_category().message(code); }

std::string OpenFailure(const std::string& path, int code) {
  const std::string prefix = "cannot open " + path + ": " + Reason(code);
  switch (code) {
    case ENOENT:
      return prefix + "; load the ppdev module (sudo modprobe ppdev) and check the port number";
    case EACCES:
    case EPERM:
      return prefix + "; join the group lp (sudo usermod -aG lp $USER, then log in again)";
    case ENXIO:
    case ENODEV:
      return prefix +
             "; no parallel port answers there: load parport_pc (sudo modprobe "
             "parport_pc) and check the port in the BIOS set-up";
    default:
      return prefix;
  }
}

std::string ClaimFailure(const std::string& path, int code) {
  const std::string prefix = "cannot claim " + path + ": " + Reason(code);
  return code == EBUSY ? prefix + "; another driver holds the port: unload lp (sudo rmmod lp)"
                       : prefix;
}

}  // namespace

std::unique_ptr<PpdevPort> PpdevPort::Open(PpdevApi& api, const std::string& path,
                                           std::string& error) {
  int handle = -1;
  if (const int code = api.Open(path, handle); code != 0) {
    error = OpenFailure(path, code);
    return nullptr;
  }
  if (const int code = api.Claim(handle); code != 0) {
    api.Close(handle);
    error = ClaimFailure(path, code);
    return nullptr;
  }
  return std::unique_ptr<PpdevPort>(new PpdevPort(api, path, handle));
}

PpdevPort::~PpdevPort() {
  api.Release(handle);
  api.Close(handle);
}

void PpdevPort::Failed(const char* operation, int code) {
  if (error.empty())
    error = operation + (" " + path) + " failed: " + Reason(code) +
            " (was the port unplugged or its module unloaded?)";
}

void PpdevPort::Write(std::uint8_t value) {
  if (const int code = api.WriteData(handle, value); code != 0) Failed("writing", code);
}

std::uint8_t PpdevPort::Read() {
  std::uint8_t value = 0;
  if (const int code = api.ReadData(handle, value); code != 0) Failed("reading", code);
  return value;
}

}  // namespace lunda
