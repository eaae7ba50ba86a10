#pragma once

#include <string>

#include "state/session.h"

namespace meshmill {

// Before a second analysis: asks whether the loaded scene may be dropped and,
// on Yes, forgets it. False when the user keeps it (the command ends).
// A start-up path (`start_path` not empty) is analysed without asking.
bool confirm_new_analysis(Session& session, const std::string& start_path);

// Takes the start-up path or, when it is empty, asks for a file, and checks
// it. True when `fich` holds an input to analyse (and the view shows it);
// otherwise the user has been told, or has cancelled the dialog (recorded in
// `early_end`).
bool choose_input(Session& session, const std::string& start_path);

// The type of an input: its extension, lower-cased ("ase", "asc", ...).
std::string input_type(const std::string& path);

}  // namespace meshmill
