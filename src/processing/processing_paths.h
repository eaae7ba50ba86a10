#pragma once

#include <string>

#include "state/session.h"

namespace meshmill {

// The side files (error log, special materials, scratch file) live beside
// the input scene: the path of the one named `name`.
std::string side_file_path(const Session& session, const char* name);
// The material file beside the target: its last three characters become "mat".
std::string material_file_path(const std::string& fich_dest);

// True (after the refusal the target choice shows) when `output` names the
// input scene: an .asc input's own name as target, or a split file of it.
bool refuse_input_as_output(Session& session, const std::string& output);

}  // namespace meshmill
