// StderrIsTerminal on POSIX.
#include "platform/terminal.h"

#include <unistd.h>

namespace lunda {

bool StderrIsTerminal() { return isatty(STDERR_FILENO) == 1; }

}  // namespace lunda
