// FTDI's USB chips, as far as asynchronous bit-bang output needs them, behind an interface so
// that their users are tested with a fake chip: libftdi1 on Linux (posix/ftdi_libftdi.cpp),
// FTDI's D2XX library ftd2xx.dll, loaded at run time, on Windows (win32/ftdi_d2xx.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace lunda {

// The chip families by the USB device release number each reports (bcdDevice), which is how both
// libraries tell them apart.
enum class FtdiChip {
  kUnknown,
  kFt232Am,
  kFt232Bm,
  kFt2232C,
  kFt232R,
  kFt2232H,
  kFt4232H,
  kFt232H,
  kFtX
};

// The outcome of a call: code 0 for success, else an errno value that says what kind of failure it
// was, with the library's own words in text:
//   ENOENT     no such adapter          EACCES     no permission to use it
//   EBUSY      another program or driver holds it
//   ENODEV     it went away (unplugged)  ETIMEDOUT  it took no data for the whole write time-out
//   ENOSYS     no library to reach it    EIO        anything else
struct FtdiStatus {
  int code = 0;
  std::string text;

  [[nodiscard]] bool Ok() const { return code == 0; }
};

struct FtdiAdapter {
  FtdiChip chip = FtdiChip::kUnknown;
  std::string serial;  // the USB serial number; empty when it cannot be read
  // Known to be open in another program, which hides its chip (D2XX tells; libftdi finds out
  // only on opening it).
  bool busy = false;
};

// An opened adapter, its first channel (A) in asynchronous bit-bang mode once asked; destroying
// it closes the adapter, leaving its lines as they are.
class FtdiDevice {
 public:
  virtual ~FtdiDevice() = default;
  // The baud-rate divisor, as FT_SetDivisor takes it (AN_120: 14 bits of integer, 2 of fraction)
  // on the chip's 3 MHz reference; bit-bang clocks samples out at 16 times that baud rate.
  [[nodiscard]] virtual FtdiStatus SetDivisor(std::uint16_t divisor) = 0;
  // Asynchronous bit-bang mode with these pins (1 bits) as outputs.
  [[nodiscard]] virtual FtdiStatus SetBitBang(std::uint8_t outputs) = 0;
  // Hands every sample to the chip, blocking while its buffer is full; anything but success means
  // the samples did not all get there.
  [[nodiscard]] virtual FtdiStatus Write(std::span<const std::uint8_t> samples) = 0;
  // The levels on the pins now.
  [[nodiscard]] virtual FtdiStatus ReadPins(std::uint8_t& pins) = 0;
};

class FtdiLibrary {
 public:
  virtual ~FtdiLibrary() = default;
  // The adapters plugged in, one entry per chip (not per channel), in an order that stays while
  // nothing is plugged or unplugged. Lists without opening, so it takes no chip from its driver.
  [[nodiscard]] virtual FtdiStatus List(std::vector<FtdiAdapter>& adapters) = 0;
  // Opens the adapter at position in List's order; null, with status, when it cannot be had.
  [[nodiscard]] virtual std::unique_ptr<FtdiDevice> Open(std::size_t position,
                                                         FtdiStatus& status) = 0;
};

// The system's library: libftdi1 on Linux, ftd2xx.dll on Windows (ENOSYS from every call where it
// is not installed).
[[nodiscard]] FtdiLibrary& SystemFtdi();

}  // namespace lunda
