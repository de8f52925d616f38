// What the user reads for each port fault, in English for lunda-cli and in Russian for the window:
// codes with the same remedy share it, others fall back to the step's general wording.
#include "device/port_fault.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace lunda {
namespace {

using Step = PortFault::Step;

TEST(PortFault, NamesThePortAndTheRemedyInEachLanguage) {
  const struct {
    PortFault fault;
    const char* english;  // parts of each text that name the remedy
    const char* russian;
  } cases[] = {
      {{Step::kOpen, "/dev/parport0", ENOENT}, "modprobe ppdev", "загрузите модуль ppdev"},
      {{Step::kOpen, "/dev/parport0", EPERM}, "group lp", "Нет прав на устройство"},
      {{Step::kOpen, "/dev/parport0", ENODEV}, "parport_pc", "не отвечает параллельный порт"},
      {{Step::kClaim, "/dev/parport0", EIO}, "cannot claim", "Не могу занять порт"},
      {{Step::kRead, "/dev/parport0", ENODEV}, "reading", "Чтение порта"},
#ifdef _WIN32
      {{Step::kDirectIo, "0x378", EPERM}, "refused the port instruction", "драйвер LPT-порта"},
#else
      {{Step::kDirectIo, "0x378", EPERM}, "needs root", "прямой доступ требует прав root"},
#endif
      {{Step::kAdapterOpen, "ftdi", EACCES, "LIBUSB_ERROR_ACCESS"}, "udev rule", "правило udev"},
      {{Step::kAdapterWrite, "ftdi:2", ENODEV, "FT_IO_ERROR"}, "unplugged", "отключён"},
  };
  for (const auto& c : cases) {
    const std::string english = DescribeInEnglish(c.fault);
    const std::string russian = DescribeInRussian(c.fault);
    EXPECT_NE(english.find(c.english), std::string::npos) << english;
    EXPECT_NE(russian.find(c.russian), std::string::npos) << russian;
    EXPECT_NE(english.find(c.fault.port), std::string::npos) << english;
    EXPECT_NE(russian.find(c.fault.port), std::string::npos) << russian;
    EXPECT_EQ(russian.find('\n'), std::string::npos) << russian;
  }
}

}  // namespace
}  // namespace lunda
