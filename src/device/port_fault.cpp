// The wording of port faults: one row per case, in both languages side by side.
#include "device/port_fault.h"

#include <cerrno>
#include <string_view>
#include <system_error>

namespace lunda {
namespace {

using Step = PortFault::Step;

// %1 stands for the port, %2 for the system's text of the code, which the Russian rows leave out
// where the remedy says enough, %3 for the fault's detail. A row with code 0 words the codes of its
// step that have no row of their own.
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
    {Step::kAdapterOpen, ENOENT,
     "no USB adapter %1 found; plug in an adapter on an FT232H, FT2232H or FT4232H chip",
     "Не найден USB-адаптер %1: подключите адаптер на микросхеме FT232H, FT2232H или FT4232H."},
    {Step::kAdapterOpen, EACCES,
     "no permission to use the USB adapter %1 (%3); install lunda's package, whose udev rule "
     "gives it to the user at the screen and the group plugdev, then plug the adapter in again",
     "Нет прав на USB-адаптер %1: установите пакет lunda (его правило udev даёт доступ "
     "пользователю за экраном и группе plugdev) и заново подключите адаптер."},
    {Step::kAdapterOpen, EBUSY,
     "the USB adapter %1 is busy (%3); close the other program that uses it",
     "USB-адаптер %1 занят другой программой: закройте её и попробуйте снова."},
    {Step::kAdapterOpen, ENOSYS,
     "cannot reach USB adapters (%3); on Windows install FTDI's driver, which Windows installs "
     "by itself when the adapter is plugged in",
     "Нет библиотеки для USB-адаптеров (%3): установите драйвер FTDI; Windows ставит его сама "
     "при подключении адаптера."},
    {Step::kAdapterOpen, 0, "cannot open the USB adapter %1: %3",
     "Не могу открыть USB-адаптер %1: %3."},
    {Step::kAdapterChip, 0,
     "the USB adapter %1 has an %3 chip, whose bit-bang clock is too uneven to hold the 100 us "
     "steps; use an adapter on an FT232H, FT2232H or FT4232H chip",
     "У USB-адаптера %1 микросхема %3: в режиме bit-bang она тактирует неравномерно и не держит "
     "шаги по 100 мкс. Нужен адаптер на FT232H, FT2232H или FT4232H."},
    {Step::kAdapterSetup, 0, "cannot set up the USB adapter %1 for bit-bang output: %3",
     "Не могу настроить USB-адаптер %1 на вывод в режиме bit-bang: %3."},
    {Step::kAdapterRate, 0,
     "the USB adapter %1 clocks %3 samples/s instead of 9998, more than 1 % off: its chip is not "
     "what it says, or its driver sets another rate; nothing was sent",
     "USB-адаптер %1 выдаёт %3 отсчётов/с вместо 9998, более чем на 1 % мимо: микросхема не та, "
     "за которую себя выдаёт, или драйвер задаёт другую частоту. В прибор ничего не передано."},
    {Step::kAdapterWrite, ENODEV, "the USB adapter %1 was unplugged (%3)",
     "USB-адаптер %1 отключён."},
    {Step::kAdapterWrite, ETIMEDOUT, "the USB adapter %1 stopped taking data (%3)",
     "USB-адаптер %1 перестал принимать данные."},
    {Step::kAdapterWrite, 0, "writing to the USB adapter %1 failed: %3",
     "Запись в USB-адаптер %1 не удалась: %3."},
    {Step::kAdapterRead, 0, "reading the pins of the USB adapter %1 failed: %3",
     "Не могу прочитать выводы USB-адаптера %1: %3."},
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
    if (wording.code == fault.code || wording.code == RowCode(fault.code)) return wording;
    if (wording.code == 0) general = &wording;
  }
  return *general;  // every step has its row for code 0
}

std::string Describe(const PortFault& fault, std::string_view Wording::*language) {
  std::string text(FindWording(fault).*language);
  for (const auto& [mark, value] : {std::pair<std::string_view, std::string>{"%1", fault.port},
                                    {"%2", std::generic_category().message(fault.code)},
                                    {"%3", fault.detail}}) {
    if (const std::size_t at = text.find(mark); at != std::string::npos)
      text.replace(at, mark.size(), value);
  }
  return text;
}

}  // namespace

std::string DescribeInEnglish(const PortFault& fault) { return Describe(fault, &Wording::english); }

std::string DescribeInRussian(const PortFault& fault) { return Describe(fault, &Wording::russian); }

std::string PortAccessFailureText(const std::optional<PortFault>& fault) {
  const bool adapter = fault && fault->step >= Step::kAdapterOpen;
  std::string text =
      adapter ? "Не могу получить доступ к USB-адаптеру" : "Не могу получить доступ к LPT-порту";
  if (fault) text.append("\n").append(DescribeInRussian(*fault));
  return text;
}

}  // namespace lunda
