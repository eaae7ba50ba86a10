#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace meshmill {

// The scene's texture folder: TIFFRGB beside the scene, found without regard
// to letter case as on Windows; the path it would have when there is none.
std::string texture_folder_of(FileSystem& fs, const std::string& scene);

// The file name of a texture's TIFF, `base` being a scene text: "<base>.tif".
std::string texture_tif_name(std::string_view base);

// The file name in PIX16 of the pixelmap the .mat names `texture`, a scene
// text: "<texture>.pix". Placeholders and prepared pixelmaps share it.
std::string pixelmap_file_name(std::string_view texture);

// The name the TIFF of `base` has in `folder`, matched without regard to
// letter case as on Windows; nothing when there is none.
std::optional<std::string> find_texture_tif(FileSystem& fs, const std::string& folder,
                                            std::string_view base);

}  // namespace meshmill
