#pragma once

#include "state/session.h"

namespace meshmill {

// The statistics reset: asks first unless `serious_error` is 1 (the silent
// form the analysis runs after a refusal), then returns the scene state and
// the window to the state before any analysis. Check boxes and the material
// table are kept.
void clear_statistics(Session& session);

}  // namespace meshmill
