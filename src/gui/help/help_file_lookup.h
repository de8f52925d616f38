// Where the help file lunda.chm is looked for, and the first place that has it.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace lunda {

inline constexpr char kHelpFileName[] = "lunda.chm";

// In this order: the executable's folder (where the build and a Windows installation put the
// file), the installed data folder beside it (Linux: ../share/lunda), the working directory.
[[nodiscard]] std::vector<std::filesystem::path> HelpFileFolders();

// The help file in the first of folders that holds it as a regular file, or nothing.
[[nodiscard]] std::optional<std::filesystem::path> FindHelpFile(
    const std::vector<std::filesystem::path>& folders);

}  // namespace lunda
