// The Linux ppdev calls a parallel port device needs, behind an interface so their users are
// tested with a fake. Every call returns 0 or the errno value of the failure.
#pragma once

#include <cstdint>
#include <string>

namespace lunda {

class PpdevApi {
 public:
  virtual ~PpdevApi() = default;
  [[nodiscard]] virtual int Open(const std::string& path, int& handle) = 0;
  [[nodiscard]] virtual int Claim(int handle) = 0;
  virtual int Release(int handle) = 0;
  virtual void Close(int handle) = 0;
  [[nodiscard]] virtual int WriteData(int handle, std::uint8_t value) = 0;
  [[nodiscard]] virtual int ReadData(int handle, std::uint8_t& value) = 0;
};

#ifdef __linux__
// The kernel's ppdev driver (/dev/parportN).
[[nodiscard]] PpdevApi& SystemPpdev();
#endif

}  // namespace lunda
