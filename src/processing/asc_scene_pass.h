#pragma once

#include "state/command_outcome.h"
#include "state/run_settings.h"
#include "state/session.h"

namespace meshmill {

// Processes an .asc input: re-writes its objects into the .asc files
// (re-split, axis flip), then the finish. Answers how the run ended.
CommandOutcome process_asc_scene(Session& session, const RunSettings& settings, bool express);

}  // namespace meshmill
