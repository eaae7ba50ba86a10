#pragma once

#include "state/session.h"

namespace meshmill {

// The analysis of "&Indicate and analyze 3d scene file": chooses and checks
// the input, runs the passes and fills the statistics. False when it ended
// early (declined, cancelled or refused).
bool run_analysis(Session& session);

}  // namespace meshmill
