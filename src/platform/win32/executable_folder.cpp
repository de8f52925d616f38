// ExecutableFolder on Windows, from the module file name of the process image.
#include "platform/executable_folder.h"

#include <windows.h>

#include <string>

namespace lunda {

std::optional<std::filesystem::path> ExecutableFolder() {
  // Long paths need more than MAX_PATH; the buffer grows until the name fits.
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return std::nullopt;
    if (length < name.size()) {
      name.resize(length);
      return std::filesystem::path(name).parent_path();
    }
    name.resize(name.size() * 2);
  }
}

}  // namespace lunda
