#pragma once
// Runs a button's handler with the button disabled, so that a second click
// during the work has no effect, and enables it again whatever happened.

#include "app/controls.h"

namespace tesvik {

template <typename F>
void while_disabled(Button& b, F&& handler) {
  b.enabled = false;
  try {
    handler();
  } catch (...) {
    b.enabled = true;
    throw;
  }
  b.enabled = true;
}

}  // namespace tesvik
