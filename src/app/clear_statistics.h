#pragma once

#include "app/window_session.h"

namespace meshmill {

// "&Clear statistics and unload 3d scene file info": after the user agrees,
// returns the scene state and the window to the state before any analysis.
// Check boxes and the material table are kept.
void clear_statistics(WindowSession& session);

}  // namespace meshmill
