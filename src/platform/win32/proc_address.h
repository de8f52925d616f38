// GetProcAddress with the entry point's own type, for the calls that are looked up at run time:
// libraries that are not part of every system, and functions newer than the oldest Windows the
// program starts on.
#pragma once

#include <windows.h>

namespace lunda {

// Null when the module lacks the name. Fn must be the exported function's exact type, calling
// convention included.
template <typename Fn>
[[nodiscard]] Fn ProcAddress(HMODULE module, const char* name) {
  // Through void(*)() so the compiler accepts the cast between unrelated function types.
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace lunda
