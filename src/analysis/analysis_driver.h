#pragma once

#include "app/session.h"

namespace meshmill {

// The "&Indicate and analyze 3d scene file" command: chooses and checks the
// input, runs the passes, fills the statistics and, in express mode, hands
// over to the processing.
void analyze_scene(Session& session);

}  // namespace meshmill
