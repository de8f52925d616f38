// A picture of the help window for the documentation (Linux builds, where the window is ours).
#pragma once

#include <cstdint>
#include <string>

namespace lunda {

// Opens the help file found as "Помощь" finds it at the topic of contextId and saves what the
// window shows as a PNG file; false when there is no file or the picture cannot be written.
[[nodiscard]] bool SaveHelpWindowPicture(std::uint32_t contextId, const std::string& path);

}  // namespace lunda
