// A look at a CHM's headers before chmlib opens it. chmlib 0.40 divides by the LZX window size
// of the "ControlData" file whether or not it could read that file, and by the block length of
// the "ResetTable" file whenever it reads a compressed one, so a help file damaged there would end
// the program with a division by zero instead of a message.
#pragma once

#include <string_view>

namespace lunda {

// False when chmlib could not open and read the bytes safely: no ITSF/ITSP headers it accepts, or
// a directory entry for the control data or the reset table of the compressed section that is not
// in the uncompressed section, cannot be read whole, or holds sizes chmlib would divide by zero
// or hand LZX as a window it does not know.
[[nodiscard]] bool ChmOpensSafely(std::string_view file);

}  // namespace lunda
