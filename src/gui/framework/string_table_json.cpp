// The string table read from the embedded res/strings.json, for builds without string resources.
#include <map>
#include <nlohmann/json.hpp>

#include "gui/framework/backend/services.h"
#include "gui/framework/embedded_resources.h"

namespace lunda {
namespace {

std::map<int, std::string> ReadStringTable() {
  std::map<int, std::string> table;
  const auto json = EmbeddedResource("strings.json");
  if (!json) return table;
  const nlohmann::json o = nlohmann::json::parse(*json, nullptr, false);
  if (!o.is_object()) return table;
  // An entry is its text, or an object with a name for the code and the text.
  for (const auto& [key, value] : o.items()) {
    const nlohmann::json& text = value.is_object() ? value.value("text", nlohmann::json()) : value;
    if (text.is_string()) table.emplace(std::stoi(key), text.get<std::string>());
  }
  return table;
}

}  // namespace

std::string LoadString(int id) {
  static const std::map<int, std::string> table = ReadStringTable();
  const auto it = table.find(id);
  return it != table.end() ? it->second : std::string();
}

}  // namespace lunda
