#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// Stops the fuzz target with a message when a property does not hold, so
// that libFuzzer keeps the input as a finding.
inline void Require(bool bHolds, const std::string& strWhat) {
  if (bHolds) return;
  std::fprintf(stderr, "property failed: %s\n", strWhat.c_str());
  std::abort();
}
