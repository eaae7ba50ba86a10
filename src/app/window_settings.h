#pragma once

#include "state/run_settings.h"
#include "state/window_state.h"

namespace meshmill {

// The settings the window's controls stand for, read once per command.
RunSettings settings_from_window(const WindowState& window);

}  // namespace meshmill
