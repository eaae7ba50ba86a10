#pragma once

#include "analysis/pass_outcome.h"
#include "state/session.h"

namespace meshmill {

// The first pass over an ASE scene: counts every line into `nr_line2` and
// every object line into `nr_objects`, and refuses a scene with groups.
PassOutcome count_ase_scene(Session& session);

}  // namespace meshmill
