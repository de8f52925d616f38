// Writing an output file whole or not at all.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace lunda::cli {

// Replaces target with bytes through ReplaceFileContents. On failure the target is as it was,
// no temporary is left behind, and error says what failed.
[[nodiscard]] bool WriteFileAtomically(const std::filesystem::path& target,
                                       std::span<const std::uint8_t> bytes, std::string& error);

}  // namespace lunda::cli
