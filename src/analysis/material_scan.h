#pragma once

#include <cstdint>

#include "analysis/pass_outcome.h"
#include "state/run_settings.h"
#include "state/session.h"

namespace meshmill {

// Fills the material table from the scene's material list, sized by the
// pre-scan, whose material count the list must repeat: one slot per
// top-level material and per sub-material of a multi/sub-object material.
// Writes the special-materials lines and shortens long texture names.
PassOutcome scan_materials(Session& session, const RunSettings& settings,
                           std::int64_t prescan_count);

}  // namespace meshmill
