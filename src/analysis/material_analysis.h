#pragma once

#include "analysis/pass_outcome.h"
#include "state/run_settings.h"
#include "state/session.h"

namespace meshmill {

// The material pass of an ASE analysis: sizes and fills the material table of
// the scene state from the material list, writes the special-materials lines
// and shortens long texture names. Runs between the first pass and the
// checking pass.
PassOutcome analyse_materials(Session& session, const RunSettings& settings);

}  // namespace meshmill
