#pragma once

#include "app/session.h"

namespace meshmill {

// The "&Target filename and path for processed 3d scene file" command: asks for
// the target .asc and prepares the PIX16 folder beside it. Refusals leave the
// previous target as it was.
void choose_target(Session& session);

}  // namespace meshmill
