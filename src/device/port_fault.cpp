// The wording of port faults: one row per case, in both languages side by side.
#include "device/port_fault.h"

#include <cerrno>
#include <string_view>
#include <system_error>

namespace lunda {
namespace {

using Step = PortFault::Step;

// %1 stands for the port, %2 for the system's text of the code, which the Russian rows leave out
// where the remedy says enough. A row with code 0 words the codes of its step that have no row of
// their own.
struct Wording {
  Step step;
  int code;
  std::string_view english;
  std::string_view russian;
};

constexpr Wording kWordings[] = {
    {Step::kOpen, ENOENT,
     "cannot open %1: %2; load the ppdev module (sudo modprobe ppdev) and check the port number",
     "Нет устройства %1: загрузите модуль ppdev (sudo modprobe ppdev) и проверьте номер порта."},
    {Step::kOpen, EACCES,
     "cannot open %1: %2; join the group lp (sudo usermod -aG lp $USER, then log in again)",
     "Нет прав на устройство %1: войдите в группу lp (sudo usermod -aG lp $USER) и заново войдите "
     "в систему."},
    {Step::kOpen, ENXIO,
     "cannot open %1: %2; no parallel port answers there: load parport_pc (sudo modprobe "
     "parport_pc) and check the port in the BIOS set-up",
     "На %1 не отвечает параллельный порт: загрузите модуль parport_pc (sudo modprobe parport_pc) "
     "и проверьте порт в настройке BIOS."},
    {Step::kOpen, ENOSYS, "port devices such as %1 exist on Linux only; use io:0x378",
     "Устройства порта вида %1 есть только в Linux: укажите порт io:0x378."},
    {Step::kOpen, 0, "cannot open %1: %2", "Не могу открыть %1: %2."},
    {Step::kClaim, EBUSY,
     "cannot claim %1: %2; another driver holds the port: unload lp (sudo rmmod lp)",
     "Порт %1 занят другим драйвером: выгрузите модуль lp (sudo rmmod lp)."},
    {Step::kClaim, 0, "cannot claim %1: %2", "Не могу занять порт %1: %2."},
    {Step::kWrite, 0, "writing %1 failed: %2 (was the port unplugged or its module unloaded?)",
     "Запись в порт %1 не удалась: не отключён ли порт или его модуль ядра?"},
    {Step::kRead, 0, "reading %1 failed: %2 (was the port unplugged or its module unloaded?)",
     "Чтение порта %1 не удалось: не отключён ли порт или его модуль ядра?"},
#ifdef _WIN32
    // The processor refused the port instruction: the driver reported success but granted nothing.
    {Step::kDirectIo, EACCES,
     "no access to I/O port %1: the system refused the port instruction (the port-I/O driver has "
     "not given this program the port)",
     "Нет доступа к порту ввода-вывода %1: система не дала выполнить команду порта (драйвер "
     "LPT-порта не открыл программе доступ к нему)."},
#else
    {Step::kDirectIo, EACCES,
     "no access to I/O port %1: %2 (direct I/O needs root; better use /dev/parport0 as a member "
     "of the group lp)",
     "Нет доступа к порту ввода-вывода %1: прямой доступ требует прав root; лучше укажите "
     "устройство /dev/parport0 и войдите в группу lp."},
#endif
    {Step::kDirectIo, ERANGE,
     "direct I/O reaches ports 0x000 to 0x3FF only; use the port's /dev/parportN device",
     "Прямой доступ достаёт только порты 0x000–0x3FF: укажите устройство порта /dev/parportN."},
    {Step::kDirectIo, ENOSYS,
     "direct port I/O is not available on this system; use a /dev/parportN device",
     "Прямой доступ к портам в этой системе невозможен: укажите устройство порта /dev/parportN."},
    {Step::kDirectIo, 0, "no access to I/O port %1: %2",
     "Нет доступа к порту ввода-вывода %1: %2."},
};

// Codes that call for the same remedy share a row.
int RowCode(int code) {
  if (code == EPERM) return EACCES;
  if (code == ENODEV) return ENXIO;
  return code;
}

const Wording& FindWording(const PortFault& fault) {
  const Wording* general = nullptr;
  for (const Wording& wording : kWordings) {
    if (wording.step != fault.step) continue;
    if (wording.code == RowCode(fault.code)) return wording;
    if (wording.code == 0) general = &wording;
  }
  return *general;  // every step has its row for code 0
}

std::string Describe(const PortFault& fault, std::string_view Wording::*language) {
  std::string text(FindWording(fault).*language);
  for (const auto& [mark, value] : {std::pair<std::string_view, std::string>{"%1", fault.port},
                                    {"%2", std::generic_category().message(fault.code)}}) {
    if (const std::size_t at = text.find(mark); at != std::string::npos)
      text.replace(at, mark.size(), value);
  }
  return text;
}

}  // namespace

std::string DescribeInEnglish(const PortFault& fault) { return Describe(fault, &Wording::english); }

std::string DescribeInRussian(const PortFault& fault) { return Describe(fault, &Wording::russian); }

std::string PortAccessFailureText(const std::optional<PortFault>& fault) {
  std::string text = "Не могу получить доступ к LPT-порту";
  if (fault) text.append("\n").append(DescribeInRussian(*fault));
  return text;
}

}  // namespace lunda
