#pragma once

#include <vector>

#include "state/session.h"

namespace meshmill {

// After the pixelmaps: one warning that counts what went wrong (textures
// missing, unreadable, scaled, kept, not written) and names each texture,
// "3 textures are missing, 2 were scaled: see the report". Nothing when all
// went well. True when the warning was shown.
bool tell_texture_problems(Session& session, const std::vector<TextureRecord*>& textures);

}  // namespace meshmill
