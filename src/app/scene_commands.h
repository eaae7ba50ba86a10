#pragma once

#include <string>

#include "app/window_session.h"
#include "state/command_outcome.h"

namespace meshmill {

// The window's commands that run the passes, with the settings its controls
// show at that moment.

// "&Indicate and analyze 3d scene file": the analysis of the scene at `path`
// (a path given on the command line or dropped on the window; empty: the open
// dialog, as the button does) with other commands blocked and, in express
// mode, the processing right after it. Answers the analysis's outcome, or the
// processing's when it ran; `refused` while a pass runs.
CommandOutcome analyze_scene(WindowSession& session, const std::string& path);

// "&Start Process": the processing (`express` when it follows an analysis in
// express mode); when it ends the program, the finish options are saved and
// the window is asked to close.
CommandOutcome start_process(WindowSession& session, bool express = false);

}  // namespace meshmill
