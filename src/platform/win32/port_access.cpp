// Port access on Windows: the port driver grants it to the process at start-up.
#include "platform/port_io.h"

namespace lunda {

bool RequestPortAccess(std::uint16_t, std::string&) { return true; }

}  // namespace lunda
