// Which port to drive, as the GUI and the CLI take it from the user, and opening it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "device/port.h"
#include "device/simulated_controller.h"
#include "device/waveform_recorder.h"
#include "platform/clock.h"
#include "platform/ftdi.h"

namespace lunda {

struct PortChoice {
  enum class Kind { kSimulated, kDevice, kDirectIo, kFtdi };
  Kind kind = Kind::kSimulated;
  std::string device;         // kDevice: the path, e.g. /dev/parport0; kFtdi: serial or index
  std::uint16_t address = 0;  // kDirectIo

  friend bool operator==(const PortChoice&, const PortChoice&) = default;
};

// "/dev/parport0" on Linux, "io:0x378" elsewhere: the first parallel port.
[[nodiscard]] std::string_view DefaultPortText();

// "sim", a device path ("/dev/parport0"), "io:ADDRESS" with ADDRESS in hex (0x378) or decimal, 1
// to 0xFFFF, or a USB adapter: "ftdi" (the first that can), "ftdi:SERIAL" or "ftdi:INDEX". False,
// with what was wrong and what would do, for anything else.
[[nodiscard]] bool ParsePortChoice(std::string_view text, PortChoice& choice, std::string& error);

struct OpenedPort {
  std::unique_ptr<Port> port;
  SimulatedController* simulator = nullptr;  // inside port, for kSimulated
  WaveformRecorder* recorder = nullptr;      // port itself, when recording
};

// Opens the chosen backend; false, with the fault, when it cannot be had. clock times the
// simulator and must outlive the port.
[[nodiscard]] bool OpenPort(const PortChoice& choice, Clock& clock, OpenedPort& opened,
                            PortFault& fault);

// OpenPort's way to a USB adapter, through library (the system's, or a fake chip).
[[nodiscard]] bool OpenFtdiPort(FtdiLibrary& library, const PortChoice& choice, Clock& clock,
                                OpenedPort& opened, PortFault& fault);

// Wraps the opened port in a WaveformRecorder writing to path, which clock times; false, with
// error and the port closed, when the file cannot be created.
[[nodiscard]] bool RecordPort(OpenedPort& opened, Clock& clock, const std::filesystem::path& path,
                              std::string& error);

}  // namespace lunda
