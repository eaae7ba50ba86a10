#pragma once

#include <string>

#include "platform/file_system.h"

namespace meshmill {

// The scene's texture folder: TIFFRGB beside the scene, found without regard
// to letter case as on Windows; the path it would have when there is none.
std::string texture_folder_of(FileSystem& fs, const std::string& scene);

}  // namespace meshmill
