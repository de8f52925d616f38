// Replacing a file's bytes whole: whoever looks, and after a crash or a power cut, sees the old
// content or the new one, never a part.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

namespace lunda {

// What the temporary file beside the target is called: the target's name with this appended.
// The name is fixed, so a temporary left by a process killed midway is taken over, and so
// removed, by the next write of the same target.
inline constexpr char kReplacementSuffix[] = ".partial";

// Writes bytes to the temporary, flushes it to the disk and renames it over target, then
// flushes the folder, which holds the rename. Writers of the same target take turns. On failure
// target is as it was, the temporary is gone and error says why.
[[nodiscard]] bool ReplaceFileContents(const std::filesystem::path& target,
                                       std::span<const std::uint8_t> bytes, std::error_code& error);

}  // namespace lunda
