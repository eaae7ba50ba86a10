#pragma once

#include <string>

#include "app/window_session.h"

namespace meshmill {

// The "&Target filename and path for processed 3d scene file" command: asks for
// the target .asc, shows it and prepares the PIX16 folder beside it. Refusals
// leave the previous target as it was.
void choose_target(WindowSession& session);

// The checks and settings of the target choice for a path already chosen (the
// dialog's answer, or a path given to the command-line tool). False when it is
// refused with a message.
bool accept_target(Session& session, const std::string& path);

// Creates the folder of a target given by name (not picked in the dialog),
// with the folders above it that are missing, so a run never stops at its
// first output after the analysis has renamed textures. False when one can't
// be created; the user has been told and `early_end` records the failure.
bool create_target_folder(Session& session, const std::string& path);

}  // namespace meshmill
