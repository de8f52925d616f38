// Reads dialog templates from their JSON form.
#include "gui/framework/dialog_template.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <utility>

#include "gui/framework/resources.h"

namespace lunda {
namespace {

constexpr std::array<std::pair<const char*, ControlKind>, 13> kKinds{{
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
    {"icon", ControlKind::kIcon},
}};

constexpr std::array<std::pair<const char*, bool ControlStyles::*>, 13> kControlStyles{{
    {"tabstop", &ControlStyles::tabStop},
    {"disabled", &ControlStyles::disabled},
    {"group", &ControlStyles::group},
    {"center", &ControlStyles::center},
    {"vcenter", &ControlStyles::vcenter},
    {"noprefix", &ControlStyles::noPrefix},
    {"sunken", &ControlStyles::sunken},
    {"multiline", &ControlStyles::multiLine},
    {"readonly", &ControlStyles::readOnly},
    {"wantreturn", &ControlStyles::wantReturn},
    {"vscroll", &ControlStyles::vScroll},
    {"number", &ControlStyles::number},
    {"arrowkeys", &ControlStyles::arrowKeys},
}};

// Styles the original resources carry that Qt widgets already behave like, that the owning
// dialog realises itself (an owner-drawn list is a replaced control), or that Qt cannot express
// (the side a calendar drops down on); accepted so templates stay complete.
constexpr std::array<const char*, 12> kImplicitControlStyles{
    "left",   "border",    "autohscroll",      "autovscroll",
    "notify", "sort",      "nointegralheight", "dropdownlist",
    "smooth", "shortdate", "ownerdrawfixed",   "rightalign"};

constexpr std::array<std::pair<const char*, bool DialogStyles::*>, 4> kDialogStyles{{
    {"caption", &DialogStyles::caption},
    {"sysmenu", &DialogStyles::sysMenu},
    {"minimizebox", &DialogStyles::minimizeBox},
    {"toolwindow", &DialogStyles::toolWindow},
}};

template <typename Flags, std::size_t N>
bool ApplyStyle(const QString& name, Flags& flags,
                const std::array<std::pair<const char*, bool Flags::*>, N>& table) {
  for (const auto& [styleName, member] : table) {
    if (name == QLatin1String(styleName)) {
      flags.*member = true;
      return true;
    }
  }
  return false;
}

bool IsImplicitStyle(const QString& name) {
  for (const char* styleName : kImplicitControlStyles) {
    if (name == QLatin1String(styleName)) return true;
  }
  return false;
}

std::optional<QRect> ReadRect(const QJsonValue& value) {
  const QJsonArray a = value.toArray();
  if (a.size() != 4) return std::nullopt;
  for (const QJsonValue& v : a) {
    if (!v.isDouble() || v.toInt(-1) < 0) return std::nullopt;
  }
  return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
}

std::optional<ControlTemplate> ReadControl(const QJsonObject& o, QString& error) {
  ControlTemplate c;
  c.id = o.value("id").toInt(-1);
  const QString kind = o.value("kind").toString();
  bool kindFound = false;
  for (const auto& [name, value] : kKinds) {
    if (kind == QLatin1String(name)) {
      c.kind = value;
      kindFound = true;
    }
  }
  if (!kindFound) {
    error = QStringLiteral("control %1: unknown kind '%2'").arg(c.id).arg(kind);
    return std::nullopt;
  }
  c.text = o.value("text").toString();
  const std::optional<QRect> rect = ReadRect(o.value("rect"));
  if (!rect) {
    error = QStringLiteral("control %1: rect must be [x, y, width, height]").arg(c.id);
    return std::nullopt;
  }
  c.rect = *rect;
  for (const QJsonValue& style : o.value("styles").toArray()) {
    const QString name = style.toString();
    if (!ApplyStyle(name, c.styles, kControlStyles) && !IsImplicitStyle(name)) {
      error = QStringLiteral("control %1: unknown style '%2'").arg(c.id).arg(name);
      return std::nullopt;
    }
  }
  for (const QJsonValue& item : o.value("items").toArray()) c.items << item.toString();
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

std::optional<DialogTemplate> ParseDialogTemplate(const QByteArray& json, QString* error) {
  QString problem;
  auto fail = [&](const QString& text) -> std::optional<DialogTemplate> {
    if (error) *error = text;
    return std::nullopt;
  };
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
  if (!document.isObject()) return fail(parseError.errorString());
  const QJsonObject o = document.object();

  DialogTemplate t;
  t.id = o.value("id").toInt();
  t.caption = o.value("caption").toString();
  const QJsonObject font = o.value("font").toObject();
  t.fontFace = font.value("face").toString(QStringLiteral("MS Sans Serif"));
  t.fontPoints = font.value("points").toInt(8);
  const QJsonArray size = o.value("size").toArray();
  if (size.size() != 2 || size[0].toInt() <= 0 || size[1].toInt() <= 0) {
    return fail(QStringLiteral("size must be [width, height]"));
  }
  t.size = QSize(size[0].toInt(), size[1].toInt());
  for (const QJsonValue& style : o.value("styles").toArray()) {
    const QString name = style.toString();
    if (!ApplyStyle(name, t.styles, kDialogStyles) && name != QLatin1String("modalframe")) {
      return fail(QStringLiteral("unknown dialog style '%1'").arg(name));
    }
  }
  for (const QJsonValue& control : o.value("controls").toArray()) {
    std::optional<ControlTemplate> c = ReadControl(control.toObject(), problem);
    if (!c) return fail(problem);
    t.controls.push_back(std::move(*c));
  }
  return t;
}

std::optional<DialogTemplate> LoadDialogTemplate(int id, QString* error) {
  InitResources();
  QFile file(QStringLiteral(":/dialogs/%1.json").arg(id));
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = QStringLiteral("no dialog template %1").arg(id);
    return std::nullopt;
  }
  QString problem;
  std::optional<DialogTemplate> t = ParseDialogTemplate(file.readAll(), &problem);
  if (!t && error) *error = QStringLiteral("dialog template %1: %2").arg(id).arg(problem);
  return t;
}

}  // namespace lunda
