// ShowHelpTopic: the help file lunda.chm opened at a numeric context id.
#pragma once

#include <cstdint>

namespace lunda {

// Finds lunda.chm (HelpFileFolders) and opens it at contextId in this platform's viewer, with
// no owner window. Nothing happens, and nothing is reported, when there is no help file.
void ShowHelpTopic(std::uint32_t contextId);

}  // namespace lunda
