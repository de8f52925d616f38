// ShowHelpTopic, the same on every platform: only the viewer behind OpenHelpFile differs.
#include "gui/app/help_topic.h"

#include "gui/help/help_file_lookup.h"
#include "gui/help/open_help_file.h"

namespace lunda {

void ShowHelpTopic(std::uint32_t contextId) {
  if (const auto file = FindHelpFile(HelpFileFolders())) OpenHelpFile(*file, contextId);
}

}  // namespace lunda
