#pragma once

#include "analysis/pass_outcome.h"
#include "state/session.h"

namespace meshmill {

// The checking pass over every object of an ASE scene: skips (and logs) the
// objects Plaything2 can't import, counts the valid ones with their faces and
// vertices, and refuses a file whose structure makes skipping impossible.
// Sets `problems` when an object was skipped.
PassOutcome check_ase_objects(Session& session, bool& problems);

}  // namespace meshmill
