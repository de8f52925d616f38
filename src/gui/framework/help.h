// Opening the help file lunda.chm at a numeric context id, where the platform can.
#pragma once

#include <cstdint>

namespace lunda {

inline constexpr char kHelpFileName[] = "lunda.chm";

// Windows: HTML Help, loaded on first use, with no owner window. Elsewhere: a CHM viewer found
// on PATH (xchm, kchmviewer) opens the file, which has no context ids it understands. Nothing is
// reported when there is no file, library or viewer.
void ShowHelpTopic(std::uint32_t contextId);

}  // namespace lunda
