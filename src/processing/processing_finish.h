#pragma once

#include "state/command_outcome.h"
#include "state/run_settings.h"
#include "state/session.h"

namespace meshmill {

// The last question of a run; Yes ends the program (which saves three options).
inline constexpr const char* close_question =
    "Finished exporting of the imported 3d scene file ! Finished exporting of the imported 3d "
    "scene file ! DON'T forget to optimize the object in plaything2 !! Do you want the program "
    "to close itself immediatly ?";

enum class FinishEntry {
  ase_input,  // from the material warnings on: the .asc and .mat files are written
  any_input   // from the tidying of the scratch file on: the input's pass restored the view
};

// The end of a processing run: the material warnings (ASE), the tidying of
// the side files, the list of objects left out, "Finished", and the end of
// the program in express mode (unless a warning was shown) or when the user
// asks for it. Answers `processed`, and whether the program ends.
CommandOutcome finish_processing(Session& session, const RunSettings& settings, FinishEntry entry,
                                 bool express);

// Closes the scratch stream and deletes an error log that stayed empty.
void close_scratch(Session& session);
// The mouse pointer, label and bar of a pass back at rest.
void restore_view(Session& session);

// Ends a run that a file failure stopped: side files tidied and the view
// restored, without "Finished".
void abandon_processing(Session& session);

}  // namespace meshmill
