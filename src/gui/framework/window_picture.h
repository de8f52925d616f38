// Pictures of the dialogs for the documentation (Qt builds; the Windows pictures are taken of
// the running program under Wine).
#pragma once

#include <string>

namespace lunda {

class CDialog;

// Shows the created dialog and saves what it shows as a PNG file; false when it cannot.
[[nodiscard]] bool SaveWindowPicture(CDialog& dialog, const std::string& path);

}  // namespace lunda
