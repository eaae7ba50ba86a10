#pragma once

#include <string>

#include "state/window_state.h"

namespace meshmill {

// Check_all ticked: the four settings it stands for are locked (the processing
// applies them all). Unticked: they open up, except that an ASC input has no
// materials or texture coordinates to flip.
void apply_check_all(WindowState& window, const std::string& file_type);

// Check3 ticked derives the target from the input's name, so the controls that
// choose a target are hidden.
void apply_check3(WindowState& window);

}  // namespace meshmill
