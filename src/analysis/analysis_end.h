#pragma once

#include "analysis/pass_outcome.h"
#include "state/run_settings.h"
#include "state/session.h"

namespace meshmill {

// Closes the error log after the passes and puts the view back at rest.
// A log that can't be written to the end stops the analysis.
PassOutcome close_passes(Session& session);

// The end of an analysis that went through: the closing message and the
// scene marked loaded. `problems` tells whether objects were skipped.
// `express` (the user's Yes to processing right away) ends false when the
// analysis needs the user first.
void finish_ase_analysis(Session& session, const RunSettings& settings, bool problems,
                         bool& express);
void finish_asc_analysis(Session& session, const RunSettings& settings, bool problems);

}  // namespace meshmill
