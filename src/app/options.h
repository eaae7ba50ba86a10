#pragma once

#include <string>

#include "app/window_session.h"

namespace meshmill {

// The seven remembered check boxes in meshmill_options.ini, section "General settings".

// Where the options file lives: the program's folder, or the user's config
// folder when the program's folder can't be written.
std::string options_file_path(FileSystem& fs, const std::string& program_folder);
// Loads keys 1 to 7 in order, stopping at the first one that reads "empty".
void load_options(WindowSession& session);
// Saves keys 1 to 7 (the window closes).
void save_options(WindowSession& session);
// Saves keys 1 to 3 only (the processing ends the program).
void save_finish_options(WindowSession& session);

}  // namespace meshmill
