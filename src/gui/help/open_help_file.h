// The seam between the application's help command and this platform's help viewer.
#pragma once

#include <cstdint>
#include <filesystem>

namespace lunda {

// Shows the help file at the topic of contextId in a window without an owner; a second call
// brings that window forward at the new topic. Nothing happens, and nothing is reported, when
// the file cannot be read. Linux: the Qt help window; Windows: HTML Help.
void OpenHelpFile(const std::filesystem::path& file, std::uint32_t contextId);

// Closes the help window, if one is open; the program calls it as it ends, so that no help
// window outlives it.
void CloseHelpFile();

}  // namespace lunda
