#pragma once

#include <string>

#include "state/command_outcome.h"
#include "state/session.h"

namespace meshmill {

// The "&Indicate and analyze 3d scene file" command: the analysis of the scene
// at `path` (a path given on the command line or dropped on the window; empty:
// the open dialog, as the button does) with other commands blocked and, in
// express mode, the processing right after it. Answers the analysis's
// outcome, or the processing's when it ran; `refused` while a pass runs.
CommandOutcome analyze_scene(Session& session, const std::string& path);

}  // namespace meshmill
