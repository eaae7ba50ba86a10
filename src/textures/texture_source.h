#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace meshmill {

// Where a texture's image is looked for. Folders are UTF-8; an empty one is skipped.
struct TextureSearch {
  std::string tiffrgb_folder;
  std::string scene_folder;
  // The bitmap path names a file of this system only on Windows.
  bool on_windows = false;
};

// The image a texture is made from, for its bitmap path (Windows-1252 bytes):
// an image of the same base name with the extension .tga, .png, .bmp, .jpg or
// .jpeg (any letter case) in the TIFFRGB folder, then in the scene's folder;
// on Windows then the bitmap path itself; last TIFFRGB/<base>.tif. The
// original art comes before the .tif because a .tif Meshmill wrote has no
// alpha: a second run must make the same pixelmaps as the first. The UTF-8
// path found, or nothing when the texture is missing.
std::optional<std::string> find_texture_image(FileSystem& fs, const TextureSearch& where,
                                              std::string_view bitmap_path);

}  // namespace meshmill
