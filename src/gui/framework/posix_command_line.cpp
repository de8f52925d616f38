// The command line of a POSIX process, for the backends outside Windows.
#include "gui/framework/backend/services.h"

namespace lunda {

ProcessCommandLine ReadProcessCommandLine(int argc, char** argv) {
  ProcessCommandLine line;
  line.args.assign(argv + (argc > 0 ? 1 : 0), argv + argc);
  // The arguments joined by single blanks: a POSIX process gets no tail of its own.
  for (std::size_t i = 0; i < line.args.size(); ++i) {
    if (i > 0) line.tail += ' ';
    line.tail += line.args[i];
  }
  return line;
}

}  // namespace lunda
