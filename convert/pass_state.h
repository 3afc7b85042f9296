#pragma once

#include <string>

// What one conversion pass carries from line to line, besides the settings.
// Created fresh at the start of every pass.
struct CPassState {
  bool bInMsg = false;       // the line stands inside a msg block
  std::string strReference;  // the last reference line met in this pass

  // Holds the rewritten text that the last dispatch result refers to.
  std::string strRewritten;
};
