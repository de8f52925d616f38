// Why a port cannot be used, kept as data so that each front end words it in its own language:
// lunda-cli in English, the window's boxes in Russian.
#pragma once

#include <optional>
#include <string>

namespace lunda {

struct PortFault {
  enum class Step {
    kOpen,      // opening the port's device
    kClaim,     // taking the port over from the other drivers
    kWrite,     // a write to the opened port
    kRead,      // a read from it
    kDirectIo,  // asking the system for its I/O address
    // A USB adapter on an FTDI chip; code as FtdiStatus gives it, detail as each step says.
    kAdapterOpen,   // finding and opening it; detail: the library's words
    kAdapterChip,   // a chip that cannot hold the time unit; detail: its name
    kAdapterSetup,  // bit-bang mode and rate; detail: the library's words
    kAdapterRate,   // the rate it really clocks at is off; detail: that rate in samples/s
    kAdapterWrite,  // handing it samples; detail: the library's words
    kAdapterRead,   // reading its pins; detail: the library's words
  };
  Step step = Step::kOpen;
  std::string port;  // the device path, the I/O address as "0x378", or the adapter as "ftdi:..."
  int code = 0;      // the system's errno value; ENOSYS where this system has no such port
  std::string detail{};

  friend bool operator==(const PortFault&, const PortFault&) = default;
};

// The reason and what to do about it, for lunda-cli: "cannot open /dev/parport0: No such file or
// directory; load the ppdev module (sudo modprobe ppdev) and check the port number".
[[nodiscard]] std::string DescribeInEnglish(const PortFault& fault);
// The reason and what to do about it in one Russian line, for the window's boxes.
[[nodiscard]] std::string DescribeInRussian(const PortFault& fault);

// The start-up message for a port that cannot be used: "Не могу получить доступ к LPT-порту" (or
// to the USB adapter, for its faults), then the fault, when one is known, on a second line.
[[nodiscard]] std::string PortAccessFailureText(const std::optional<PortFault>& fault);

}  // namespace lunda
