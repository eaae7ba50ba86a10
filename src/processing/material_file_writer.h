#pragma once

#include <string_view>

#include "state/run_settings.h"
#include "state/session.h"

namespace meshmill {

// Writes the scene's material file beside the target (one chunk per material
// slot), the placeholder pixelmaps of transparent extra materials and the
// opacity lines of special_materials.txt, then closes special_materials.txt
// and deletes it when it stayed empty. False when a file could not be
// written; the user has been told.
bool write_mat_file(Session& session, const RunSettings& settings);

// Writes `texture`.pix into the PIX16 folder beside the target: a 4 x 4 white
// image whose alpha is the top four bits of `alpha` (0..255).
bool write_pix_placeholder(Session& session, std::string_view texture, int alpha);

}  // namespace meshmill
