// StderrIsTerminal on Windows.
#include "platform/terminal.h"

#include <io.h>

#include <cstdio>

namespace lunda {

bool StderrIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

}  // namespace lunda
