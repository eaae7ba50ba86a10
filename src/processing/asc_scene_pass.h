#pragma once

#include "state/session.h"

namespace meshmill {

// Processes an .asc input: re-writes its objects into the .asc files
// (re-split, axis flip), then the finish.
void process_asc_scene(Session& session);

}  // namespace meshmill
