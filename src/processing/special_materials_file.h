#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "state/session.h"

namespace meshmill {

// special_materials.txt beside the input: the analysis opens it, the material
// file writer adds the opacity lines of the materials it writes.

// "Multimat. i, submat. j : name | Opacity rgb setting : a,a,a", where the
// name is the entry up to its first comma without the character before it.
std::string opacity_line(std::size_t i, std::size_t j, std::string_view entry, int alpha);

// Closes special_materials.txt and deletes it when nothing went into it.
// False when it could not be written; the user has been told.
bool close_special_materials(Session& session);

}  // namespace meshmill
