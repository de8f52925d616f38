// Reads dialog templates from their JSON form.
#include "gui/framework/dialog_template.h"

#include <array>
#include <nlohmann/json.hpp>
#include <utility>

#include "gui/framework/embedded_resources.h"

namespace lunda {
namespace {

using Json = nlohmann::json;

constexpr std::array<std::pair<std::string_view, ControlKind>, 14> kKinds{{
    {"pushbutton", ControlKind::kPushButton},
    {"defpushbutton", ControlKind::kDefPushButton},
    {"static", ControlKind::kStatic},
    {"groupbox", ControlKind::kGroupBox},
    {"edit", ControlKind::kEdit},
    {"listbox", ControlKind::kListBox},
    {"combobox", ControlKind::kComboBox},
    {"radiobutton", ControlKind::kRadioButton},
    {"checkbox", ControlKind::kCheckBox},
    {"updown", ControlKind::kUpDown},
    {"progress", ControlKind::kProgressBar},
    {"datetimepicker", ControlKind::kDateTimePicker},
    {"tabcontrol", ControlKind::kTabControl},
    {"icon", ControlKind::kIcon},
}};

constexpr std::array<std::pair<std::string_view, bool ControlStyles::*>, 23> kControlStyles{{
    {"tabstop", &ControlStyles::tabStop},
    {"disabled", &ControlStyles::disabled},
    {"group", &ControlStyles::group},
    {"center", &ControlStyles::center},
    {"vcenter", &ControlStyles::vcenter},
    {"noprefix", &ControlStyles::noPrefix},
    {"sunken", &ControlStyles::sunken},
    {"border", &ControlStyles::border},
    {"autohscroll", &ControlStyles::autoHScroll},
    {"autovscroll", &ControlStyles::autoVScroll},
    {"multiline", &ControlStyles::multiLine},
    {"readonly", &ControlStyles::readOnly},
    {"wantreturn", &ControlStyles::wantReturn},
    {"vscroll", &ControlStyles::vScroll},
    {"number", &ControlStyles::number},
    {"arrowkeys", &ControlStyles::arrowKeys},
    {"notify", &ControlStyles::notify},
    {"ownerdrawfixed", &ControlStyles::ownerDraw},
    {"sort", &ControlStyles::sort},
    {"nointegralheight", &ControlStyles::noIntegralHeight},
    {"smooth", &ControlStyles::smooth},
    {"shortdate", &ControlStyles::shortDate},
    {"rightalign", &ControlStyles::rightAlign},
}};

// Styles that every control of their kind has anyway: a static is left-aligned unless centred,
// a combo box is always a drop-down list.
constexpr std::array<std::string_view, 2> kDefaultControlStyles{"left", "dropdownlist"};

constexpr std::array<std::pair<std::string_view, bool DialogStyles::*>, 4> kDialogStyles{{
    {"caption", &DialogStyles::caption},
    {"sysmenu", &DialogStyles::sysMenu},
    {"minimizebox", &DialogStyles::minimizeBox},
    {"toolwindow", &DialogStyles::toolWindow},
}};

template <typename Flags, std::size_t N>
bool ApplyStyle(std::string_view name, Flags& flags,
                const std::array<std::pair<std::string_view, bool Flags::*>, N>& table) {
  for (const auto& [styleName, member] : table) {
    if (name == styleName) {
      flags.*member = true;
      return true;
    }
  }
  return false;
}

bool IsDefaultStyle(std::string_view name) {
  for (const std::string_view styleName : kDefaultControlStyles) {
    if (name == styleName) return true;
  }
  return false;
}

std::string StringOr(const Json& o, const char* key, std::string fallback = {}) {
  const auto it = o.find(key);
  return it != o.end() && it->is_string() ? it->get<std::string>() : std::move(fallback);
}

int IntOr(const Json& o, const char* key, int fallback) {
  const auto it = o.find(key);
  return it != o.end() && it->is_number_integer() ? it->get<int>() : fallback;
}

std::optional<UnitRect> ReadRect(const Json& o) {
  const auto it = o.find("rect");
  if (it == o.end() || !it->is_array() || it->size() != 4) return std::nullopt;
  std::array<int, 4> v{};
  for (std::size_t i = 0; i < 4; ++i) {
    const Json& n = (*it)[i];
    if (!n.is_number_integer() || n.get<int>() < 0) return std::nullopt;
    v[i] = n.get<int>();
  }
  return UnitRect{v[0], v[1], v[2], v[3]};
}

std::optional<ControlTemplate> ReadControl(const Json& o, std::string& error) {
  ControlTemplate c;
  c.id = IntOr(o, "id", -1);
  const std::string kind = StringOr(o, "kind");
  const auto found = std::find_if(kKinds.begin(), kKinds.end(),
                                  [&](const auto& entry) { return entry.first == kind; });
  if (found == kKinds.end()) {
    error = "control " + std::to_string(c.id) + ": unknown kind '" + kind + "'";
    return std::nullopt;
  }
  c.kind = found->second;
  c.text = StringOr(o, "text");
  const std::optional<UnitRect> rect = ReadRect(o);
  if (!rect) {
    error = "control " + std::to_string(c.id) + ": rect must be [x, y, width, height]";
    return std::nullopt;
  }
  c.rect = *rect;
  for (const Json& style : o.value("styles", Json::array())) {
    const std::string name = style.is_string() ? style.get<std::string>() : std::string();
    if (!ApplyStyle(name, c.styles, kControlStyles) && !IsDefaultStyle(name)) {
      error = "control " + std::to_string(c.id) + ": unknown style '" + name + "'";
      return std::nullopt;
    }
  }
  for (const Json& item : o.value("items", Json::array())) {
    if (item.is_string()) c.items.push_back(item.get<std::string>());
  }
  return c;
}

}  // namespace

const ControlTemplate* DialogTemplate::FindControl(int controlId) const {
  if (controlId == -1) return nullptr;
  for (const ControlTemplate& c : controls) {
    if (c.id == controlId) return &c;
  }
  return nullptr;
}

std::vector<int> DialogTemplate::RadioGroup(int firstId) const {
  std::vector<int> ids;
  const auto first = std::find_if(controls.begin(), controls.end(),
                                  [firstId](const ControlTemplate& c) { return c.id == firstId; });
  for (auto it = first; it != controls.end() && it->kind == ControlKind::kRadioButton; ++it) {
    if (it != first && it->styles.group) break;
    ids.push_back(it->id);
  }
  return ids;
}

int DialogTemplate::DefaultCommandId() const {
  for (const ControlTemplate& c : controls) {
    if (c.kind == ControlKind::kDefPushButton) return c.id;
  }
  return 1;
}

std::optional<DialogTemplate> ParseDialogTemplate(std::string_view json, std::string* error) {
  auto fail = [&](std::string text) -> std::optional<DialogTemplate> {
    if (error) *error = std::move(text);
    return std::nullopt;
  };
  const Json o = Json::parse(json, nullptr, false);
  if (!o.is_object()) return fail("not a JSON object");

  DialogTemplate t;
  t.id = IntOr(o, "id", 0);
  t.caption = StringOr(o, "caption");
  const Json font = o.value("font", Json::object());
  t.fontFace = StringOr(font, "face", "MS Sans Serif");
  t.fontPoints = IntOr(font, "points", 8);
  const Json size = o.value("size", Json::array());
  if (size.size() != 2 || !size[0].is_number_integer() || !size[1].is_number_integer() ||
      size[0].get<int>() <= 0 || size[1].get<int>() <= 0) {
    return fail("size must be [width, height]");
  }
  t.width = size[0].get<int>();
  t.height = size[1].get<int>();
  for (const Json& style : o.value("styles", Json::array())) {
    const std::string name = style.is_string() ? style.get<std::string>() : std::string();
    if (!ApplyStyle(name, t.styles, kDialogStyles) && name != "modalframe") {
      return fail("unknown dialog style '" + name + "'");
    }
  }
  std::string problem;
  for (const Json& control : o.value("controls", Json::array())) {
    std::optional<ControlTemplate> c = ReadControl(control, problem);
    if (!c) return fail(problem);
    t.controls.push_back(std::move(*c));
  }
  return t;
}

std::optional<DialogTemplate> LoadDialogTemplate(int id, std::string* error) {
  const std::optional<std::string_view> json =
      EmbeddedResource("dialogs/" + std::to_string(id) + ".json");
  if (!json) {
    if (error) *error = "no dialog template " + std::to_string(id);
    return std::nullopt;
  }
  std::string problem;
  std::optional<DialogTemplate> t = ParseDialogTemplate(*json, &problem);
  if (!t && error) *error = "dialog template " + std::to_string(id) + ": " + problem;
  return t;
}

}  // namespace lunda
