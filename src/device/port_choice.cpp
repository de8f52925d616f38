// Parsing a port choice and opening its backend.
#include "device/port_choice.h"

#include <algorithm>
#include <cerrno>
#include <charconv>

#include "device/direct_io_port.h"
#include "device/ftdi_port.h"
#include "device/ppdev_port.h"
#include "platform/ppdev.h"

namespace lunda {
namespace {

constexpr std::string_view kIoPrefix = "io:";
constexpr std::string_view kFtdi = "ftdi";
constexpr std::string_view kChoices =
    "use sim, a device such as /dev/parport0, io:0x378, or ftdi[:SERIAL|:INDEX]";

bool ParseAddress(std::string_view text, std::uint16_t& address) {
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
    base = 16;
  }
  unsigned long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return false;
  if (value == 0 || value > 0xFFFF) return false;
  address = static_cast<std::uint16_t>(value);
  return true;
}

}  // namespace

std::string_view DefaultPortText() {
#ifdef __linux__
  return "/dev/parport0";
#else
  return "io:0x378";
#endif
}

bool ParsePortChoice(std::string_view text, PortChoice& choice, std::string& error) {
  if (text == "sim") {
    choice = PortChoice{PortChoice::Kind::kSimulated, {}, 0};
    return true;
  }
  if (text.starts_with(kIoPrefix)) {
    std::uint16_t address = 0;
    if (!ParseAddress(text.substr(kIoPrefix.size()), address)) {
      error = "bad I/O address in '" + std::string(text) +
              "': give 1 to 0xFFFF in hex (io:0x378) or decimal (io:888)";
      return false;
    }
    choice = PortChoice{PortChoice::Kind::kDirectIo, {}, address};
    return true;
  }
  if (text == kFtdi || (text.starts_with("ftdi:") && text.size() > kFtdi.size() + 1)) {
    const std::string_view selector = text.substr(std::min(text.size(), kFtdi.size() + 1));
    choice = PortChoice{PortChoice::Kind::kFtdi, std::string(selector), 0};
    return true;
  }
  if (text.starts_with("/")) {
    choice = PortChoice{PortChoice::Kind::kDevice, std::string(text), 0};
    return true;
  }
  error = "unknown port '" + std::string(text) + "': " + std::string(kChoices);
  return false;
}

bool OpenPort(const PortChoice& choice, Clock& clock, OpenedPort& opened, PortFault& fault) {
  opened = OpenedPort{};
  switch (choice.kind) {
    case PortChoice::Kind::kSimulated: {
      auto simulator = std::make_unique<SimulatedController>(clock);
      opened.simulator = simulator.get();
      opened.port = std::move(simulator);
      break;
    }
    case PortChoice::Kind::kDevice:
#ifdef __linux__
      opened.port = PpdevPort::Open(SystemPpdev(), choice.device, fault);
#else
      fault = {PortFault::Step::kOpen, choice.device, ENOSYS};
#endif
      break;
    case PortChoice::Kind::kDirectIo:
      opened.port = DirectIoPort::Open(choice.address, fault);
      break;
    case PortChoice::Kind::kFtdi:
      return OpenFtdiPort(SystemFtdi(), choice, clock, opened, fault);
  }
  return opened.port != nullptr;
}

bool OpenFtdiPort(FtdiLibrary& library, const PortChoice& choice, Clock& clock, OpenedPort& opened,
                  PortFault& fault) {
  opened = OpenedPort{};
  // Named in messages as the user chose it.
  const std::string name =
      choice.device.empty() ? std::string(kFtdi) : std::string(kFtdi) + ":" + choice.device;
  opened.port = FtdiPort::Open(library, choice.device, name, clock, fault);
  return opened.port != nullptr;
}

bool RecordPort(OpenedPort& opened, Clock& clock, const std::filesystem::path& path,
                std::string& error) {
  auto recorder = WaveformRecorder::Create(std::move(opened.port), clock, path, error);
  if (!recorder) {
    opened = OpenedPort{};  // the recorder took the port down with it
    return false;
  }
  opened.recorder = recorder.get();
  opened.port = std::move(recorder);
  return true;
}

}  // namespace lunda
