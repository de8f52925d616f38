// lunda-cli list: the catalogue in its order, as text or JSON.
#include <nlohmann/json.hpp>

#include "algorithm/catalogue.h"
#include "algorithm/cp1251.h"
#include "algorithm/format_list_item.h"
#include "cli/commands.h"

namespace lunda::cli {
namespace {

nlohmann::ordered_json ToJson(const CAlgorithm& algorithm) {
  const AlgorithmParams& params = algorithm.defaults;
  nlohmann::ordered_json purposes = nlohmann::ordered_json::array();
  for (const std::string& purpose : algorithm.purposes) purposes.push_back(Cp1251ToUtf8(purpose));
  return {{"number", algorithm.number},
          {"name", Cp1251ToUtf8(algorithm.name)},
          {"file", Cp1251ToUtf8(algorithm.file)},
          {"description", Cp1251ToUtf8(algorithm.description)},
          {"purposes", purposes},
          {"thresholds", params.thresholds},
          {"startDelay", params.startDelay},
          {"sensorCurrent", params.sensorCurrent},
          {"delays", params.delays}};
}

int RunList(const CommandContext& context, CommandArgs args) {
  bool json = false;
  for (const std::string& arg : args) {
    if (arg != "--json")
      return Fail(context, kExitUsage, "list: unexpected argument '" + arg + "'");
    json = true;
  }
  AlgorithmCatalogue catalogue;
  if (!ScanCatalogue(context.dataDir, catalogue)) {
    return Fail(context, kExitUsage, "no algorithms found in '" + context.dataDir.string() + "'");
  }
  if (json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const auto& algorithm : catalogue) list.push_back(ToJson(*algorithm));
    context.out << list.dump(2) << '\n';
    return kExitOk;
  }
  std::size_t index = 0;
  for (const auto& algorithm : catalogue) {
    context.out << index++ << '\t' << algorithm->number << '\t'
                << Cp1251ToUtf8(FormatListItem(*algorithm)) << '\n';
  }
  return kExitOk;
}

}  // namespace

const Command kListCommand{
    "list",
    "list [--json]\n"
    "Lists the algorithms of the data folder in catalogue order: INDEX (from 0), number\n"
    "and \"name {file}\". --json prints an array with every description field and the\n"
    "parameters the image holds (thresholds and delays as stored bytes).",
    &RunList};

}  // namespace lunda::cli
