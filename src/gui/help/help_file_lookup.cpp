// The help file's search path.
#include "gui/help/help_file_lookup.h"

#include <system_error>

#include "platform/executable_folder.h"

namespace lunda {

std::vector<std::filesystem::path> HelpFileFolders() {
  std::vector<std::filesystem::path> folders;
  if (const auto folder = ExecutableFolder()) {
    folders.push_back(*folder);
#ifdef LUNDA_HELP_DATA_DIR
    folders.push_back((*folder / LUNDA_HELP_DATA_DIR).lexically_normal());
#endif
  }
  std::error_code error;
  if (auto current = std::filesystem::current_path(error); !error) folders.push_back(current);
  return folders;
}

std::optional<std::filesystem::path> FindHelpFile(
    const std::vector<std::filesystem::path>& folders) {
  for (const std::filesystem::path& folder : folders) {
    std::error_code error;
    const std::filesystem::path file = folder / kHelpFileName;
    if (std::filesystem::is_regular_file(file, error)) return file;
  }
  return std::nullopt;
}

}  // namespace lunda
