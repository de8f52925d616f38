// What every fuzz target uses to state a property: a broken one is a finding like a crash. Only
// the fuzz targets, each a program of its own, include this, hence the global name.
#pragma once

#include <cstdio>
#include <cstdlib>

// Aborts with the property's text, so that libFuzzer keeps the input as a crash.
inline void Check(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}
