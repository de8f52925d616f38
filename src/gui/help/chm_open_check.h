// A look at a CHM's headers before chmlib opens it. chmlib 0.40 trusts them: it divides by the
// LZX window size of the "ControlData" file whether or not it could read that file, by the block
// length of the "ResetTable" file whenever it reads a compressed one, allocates whatever chunk
// size the header gives, and follows the directory's links without a bound. A help file damaged
// there would crash or hang the program; refused, it simply does not open.
#pragma once

#include <string_view>

namespace lunda {

// False when chmlib could not open and read the bytes safely: no ITSF/ITSP headers it accepts, a
// chunk larger than the file, directory links that loop or lead outside the directory, or an
// entry for the control data or the reset table of the compressed section that is not in the
// uncompressed section, cannot be read whole, or holds sizes chmlib would divide by zero or hand
// LZX as a window it does not know.
[[nodiscard]] bool ChmOpensSafely(std::string_view file);

}  // namespace lunda
