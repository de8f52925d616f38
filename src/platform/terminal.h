// Whether the standard error stream is a terminal, where a progress line may redraw itself.
#pragma once

namespace lunda {

[[nodiscard]] bool StderrIsTerminal();

}  // namespace lunda
