// lunda-cli show: one algorithm's description and parameters as the parameter pages show them.
#include <array>
#include <iomanip>
#include <string>

#include "algorithm/cp1251.h"
#include "algorithm/delay_codec.h"
#include "algorithm/format_list_item.h"
#include "algorithm/volts.h"
#include "algorithm/volts_text.h"
#include "cli/commands.h"
#include "cli/patch_options.h"

namespace lunda::cli {
namespace {

constexpr std::array<const char*, 4> kUnitNames = {"сек.", "мин.", "час.", "сут."};

// The description's CR LF pairs as plain line feeds for a terminal.
std::string TerminalLines(const std::string& cp1251) {
  std::string text = Cp1251ToUtf8(cp1251);
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

std::string SensorCurrentText(std::int32_t value) {
  if (value == 0) return "Постоянный";
  if (value == 1) return "Переменный";
  return std::to_string(value);  // an image byte the page would show with neither button set
}

void PrintAlgorithm(std::ostream& out, const CAlgorithm& algorithm) {
  const AlgorithmParams& params = algorithm.current;
  out << Cp1251ToUtf8(FormatListItem(algorithm)) << "\nНомер: " << algorithm.number << "\n\n"
      << TerminalLines(algorithm.description) << "\n\n";
  for (std::size_t i = 0; i < params.thresholds.size(); ++i) {
    const std::uint8_t code = params.thresholds[i];
    out << "Порог срабатывания датчика " << i + 1 << ": " << FormatVolts(CodeToVolts(code))
        << " Вольт (" << BinaryCodeText(code) << ")\n";
  }
  out << "Задержка запуска работы: " << static_cast<int>(params.startDelay) << " Секунд\n"
      << "Ток датчиков: " << SensorCurrentText(params.sensorCurrent) << '\n';
  for (int i = 0; i < kDelayCount; ++i) {
    if (i % kDelaysPerChannel == 0) out << "\nКанал " << i / kDelaysPerChannel + 1 << '\n';
    int value = 0;
    int unit = 0;
    DecodeDelay(params.delays[static_cast<std::size_t>(i)], value, unit);
    out << "  T" << std::left << std::setw(3) << i + 1 << std::right << std::setw(2) << value << ' '
        << kUnitNames[static_cast<std::size_t>(unit)] << "  "
        << Cp1251ToUtf8(algorithm.purposes[static_cast<std::size_t>(i)]) << '\n';
  }
}

int RunShow(const CommandContext& context, CommandArgs args) {
  if (args.size() != 1) return Fail(context, kExitUsage, "show: expected one INDEX");
  AlgorithmCatalogue catalogue;
  std::string error;
  const CAlgorithm* algorithm = SelectAlgorithm(context.dataDir, args[0], catalogue, error);
  if (!algorithm) return Fail(context, kExitUsage, error);
  PrintAlgorithm(context.out, *algorithm);
  return kExitOk;
}

}  // namespace

const Command kShowCommand{
    "show",
    "show INDEX\n"
    "Shows the algorithm at INDEX (0 = first of list): its description, the sensor\n"
    "thresholds in volts as the parameter page shows them, the start-up delay, the sensor\n"
    "current and the 36 delays with their units and purposes.",
    &RunShow};

}  // namespace lunda::cli
