#pragma once

#include "state/command_outcome.h"
#include "state/run_settings.h"
#include "state/session.h"

namespace meshmill {

// The "&Start Process" command: writes the .asc files, the material file and
// the side files of an analysed scene into `settings.target` (or beside the
// input, by its name), then finishes the run. Answers
// `processed` when the run reached its end (SceneState lists the files
// written and the objects left out), otherwise `refused`, `cancelled` (an
// overwrite declined) or `failed`.
// `express`: the analysis's express mode goes on here (the target beside the
// input, and the program ends by itself unless a warning was shown).
CommandOutcome run_processing(Session& session, const RunSettings& settings, bool express = false);

}  // namespace meshmill
