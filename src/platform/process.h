#pragma once

#include <string>

namespace meshmill {

// The folder of the running program's executable, "" when the system won't say.
std::string program_folder();

// Standard input is an interactive terminal (questions may be asked on it).
bool stdin_is_terminal();

}  // namespace meshmill
