// ExecutableFolder on Linux, from the kernel's link to the running image.
#include "platform/executable_folder.h"

#include <system_error>

namespace lunda {

std::optional<std::filesystem::path> ExecutableFolder() {
  std::error_code error;
  const std::filesystem::path image = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || image.empty()) return std::nullopt;
  return image.parent_path();
}

}  // namespace lunda
