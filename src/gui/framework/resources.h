// The compiled-in resources: the string table (res/strings.json) and icons (res/icons).
#pragma once

#include <QIcon>
#include <QString>

namespace lunda {

// Ids of the framework's own strings: the English data-entry prompts.
inline constexpr int kIdsParseInt = 61712;       // "Please enter an integer."
inline constexpr int kIdsParseReal = 61713;      // "Please enter a number."
inline constexpr int kIdsParseIntRange = 61714;  // "Please enter an integer between %1 and %2."
inline constexpr int kIdsParseByte = 61715;      // "Please enter an integer between 0 and 255."
inline constexpr int kIdsParseUInt = 61716;      // "Please enter a positive integer."

// Registers the resources of the static framework library; called by every loader, so callers
// never need it themselves.
void InitResources();

// The string-table entry with that id, or an empty string when there is none.
[[nodiscard]] QString LoadString(int id);

// The icon resource with that id (":/icons/<id>.xpm"), or a null icon when there is none.
[[nodiscard]] QIcon LoadIcon(int id);

}  // namespace lunda
