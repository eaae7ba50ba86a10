#pragma once

#include <string_view>

namespace meshmill {

// The base name of a bitmap path as 3ds Max writes it, a Windows path
// whatever the platform: the folder ends at the last `\`, `/` or `:`, the
// extension begins at the last dot.
std::string_view bitmap_base_name(std::string_view path);

}  // namespace meshmill
