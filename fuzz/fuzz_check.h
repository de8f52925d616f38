// What every fuzz target uses to state a property: a broken one is a finding like a crash.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace lunda::fuzz {

// Aborts with the property's text, so that libFuzzer keeps the input as a crash.
inline void Check(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

}  // namespace lunda::fuzz
