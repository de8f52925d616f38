// A look at a CHM's headers before chmlib opens it. chmlib 0.40 divides by the LZX window size
// of the "ControlData" file whether or not it could read that file, so a help file damaged there
// would end the program with a division by zero instead of a message.
#pragma once

#include <string_view>

namespace lunda {

// False when chmlib could not open the bytes safely: no ITSF/ITSP headers it accepts, or a
// directory entry "::DataSpace/Storage/MSCompressed/ControlData" that is not in the uncompressed
// section, cannot be read whole, is too short, or gives a window size below 2.
[[nodiscard]] bool ChmOpensSafely(std::string_view file);

}  // namespace lunda
