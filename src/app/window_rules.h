#pragma once

#include "app/window_state.h"

namespace meshmill {

// The click behaviour of Check3: a ticked box takes the target name from the
// source file, so the target controls are hidden.
void apply_check3(WindowState& window);

}  // namespace meshmill
