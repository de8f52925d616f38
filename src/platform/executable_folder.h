// The folder of the running program's executable, where files shipped beside it are found.
#pragma once

#include <filesystem>
#include <optional>

namespace lunda {

// Nothing when the system does not tell.
[[nodiscard]] std::optional<std::filesystem::path> ExecutableFolder();

}  // namespace lunda
