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
    const char* english;  // a part of the English text, naming the remedy
    const char* russian;  // the start of the Russian one
  } cases[] = {
      {{Step::kOpen, "/dev/parport0", ENOENT},
       "modprobe ppdev",
       "Нет устройства /dev/parport0: загрузите модуль ppdev"},
      {{Step::kOpen, "/dev/parport0", EPERM}, "group lp", "Нет прав на устройство /dev/parport0"},
      {{Step::kOpen, "/dev/parport0", ENODEV},
       "parport_pc",
       "На /dev/parport0 не отвечает параллельный порт"},
      {{Step::kClaim, "/dev/parport0", EIO},
       "cannot claim /dev/parport0",
       "Не могу занять порт /dev/parport0: "},
      {{Step::kRead, "/dev/parport0", ENODEV},
       "reading /dev/parport0 failed",
       "Чтение порта /dev/parport0 не удалось"},
      {{Step::kDirectIo, "0x378", EPERM},
       "needs root",
       "Нет доступа к порту ввода-вывода 0x378: прямой доступ требует прав root"},
  };
  for (const auto& c : cases) {
    const std::string english = DescribeInEnglish(c.fault);
    const std::string russian = DescribeInRussian(c.fault);
    EXPECT_NE(english.find(c.english), std::string::npos) << english;
    EXPECT_TRUE(russian.starts_with(c.russian)) << russian;
    EXPECT_EQ(russian.find('\n'), std::string::npos) << russian;
  }
}

}  // namespace
}  // namespace lunda
