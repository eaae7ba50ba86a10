#pragma once

#include "state/command_outcome.h"
#include "state/session.h"

namespace meshmill {

// The "&Start Process" command: writes the .asc files, the material file and
// the side files of an analysed scene, then finishes the run. Answers
// `processed` when the run reached its end (SceneState lists the files
// written and the objects left out), otherwise `refused`, `cancelled` (an
// overwrite declined) or `failed`.
CommandOutcome start_process(Session& session);

}  // namespace meshmill
