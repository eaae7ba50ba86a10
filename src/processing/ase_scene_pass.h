#pragma once

#include "state/command_outcome.h"
#include "state/run_settings.h"
#include "state/session.h"

namespace meshmill {

// Processes an ASE scene: every object through the filter into the .asc
// files, then the material file and the finish. Answers how the run ended.
CommandOutcome process_ase_scene(Session& session, const RunSettings& settings, bool express);

}  // namespace meshmill
