#pragma once

#include "state/session.h"

namespace meshmill {

// The "&Start Process" command: writes the .asc files, the material file and
// the side files of an analysed scene, then finishes the run.
void start_process(Session& session);

}  // namespace meshmill
