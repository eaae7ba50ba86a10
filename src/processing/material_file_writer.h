#pragma once

#include "state/run_settings.h"
#include "state/session.h"

namespace meshmill {

// Writes the scene's material file beside the target (one chunk per material
// slot), the placeholder pixelmaps of transparent extra materials and the
// opacity lines of special_materials.txt, then closes special_materials.txt
// and deletes it when it stayed empty. False when a file could not be
// written; the user has been told. A warning about an existing .mat ends
// `express`.
bool write_mat_file(Session& session, const RunSettings& settings, bool& express);

}  // namespace meshmill
