#pragma once

#include <cstddef>
#include <cstdint>

namespace meshmill {

// What Plaything2 and the game can take.
inline constexpr std::int64_t objects_per_asc_file = 255;  // objects imported from one .asc
inline constexpr std::int64_t most_faces = 65535;          // faces of one object
inline constexpr std::size_t longest_texture_base = 15;    // characters of a texture name

}  // namespace meshmill
