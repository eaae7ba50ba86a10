#pragma once

#include "state/session.h"

namespace meshmill {

// Before a second analysis: asks whether the loaded scene may be dropped and,
// on Yes, forgets it. False when the user keeps it (the command ends).
bool confirm_new_analysis(Session& session);

// Takes the start-up path or asks for a file, and checks it. True when
// `fich` and `Text_loadfile` hold an input to analyse; otherwise the user has
// been told, or has cancelled the dialog (recorded in `early_end`).
bool choose_input(Session& session);

// The type of an input: its extension, lower-cased ("ase", "asc", ...).
std::string input_type(const std::string& path);

}  // namespace meshmill
