// OpenHelpFile on Windows: the system's HTML Help viewer.
#include "gui/help/open_help_file.h"

#include "platform/html_help.h"

namespace lunda {

void OpenHelpFile(const std::filesystem::path& file, std::uint32_t contextId) {
  ShowHtmlHelpContext(SystemHtmlHelp(), file, contextId);
}

void CloseHelpFile() { CloseAllHtmlHelp(); }

}  // namespace lunda
