#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace meshmill {

// The lines of special_materials.txt for a slot whose diffuse colour differs
// from its ambient colour (only the ambient colour reaches the material file).
// Names stay Windows-1252 bytes.
std::string material_colour_line(std::string_view name, std::int64_t m);
std::string submaterial_colour_line(std::int64_t m, std::int64_t s);

}  // namespace meshmill
