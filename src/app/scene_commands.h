#pragma once

#include "state/session.h"

namespace meshmill {

// The "&Indicate and analyze 3d scene file" command: the analysis with other
// commands blocked and, in express mode, the processing right after it.
void analyze_scene(Session& session);

}  // namespace meshmill
