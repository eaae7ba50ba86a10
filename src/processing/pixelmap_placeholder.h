#pragma once

#include <string_view>

#include "state/session.h"

namespace meshmill {

// Writes `texture`.pix into the PIX16 folder beside the target: a 4 x 4 white
// image whose alpha is the top four bits of `alpha` (0..255), for a
// transparent material without texture. False when it could not be written;
// the user has been told.
bool write_pix_placeholder(Session& session, std::string_view texture, int alpha);

}  // namespace meshmill
