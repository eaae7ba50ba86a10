#pragma once

#include "analysis/pass_outcome.h"
#include "state/session.h"

namespace meshmill {

// Creates error_log.txt and special_materials.txt anew in the input's folder
// and keeps both open in the scene state. A file that can't be created stops
// the analysis (the message names it and the system's reason).
PassOutcome create_side_files(Session& session);

}  // namespace meshmill
