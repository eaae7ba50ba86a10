#include "analysis/special_materials_lines.h"

namespace meshmill {

std::string material_colour_line(std::string_view name, std::int64_t m) {
  std::string line = "Material '";
  line += name;
  line += "' (" + std::to_string(m) +
          ") : this material has different 'ambient' and 'diffuse' settings, so only the "
          "'ambient' color was used.";
  return line;
}

std::string submaterial_colour_line(std::int64_t m, std::int64_t s) {
  return "Multimat. " + std::to_string(m) + ", submat. " + std::to_string(s) +
         " : this material has different 'ambient' and 'diffuse' settings, only the 'ambient' "
         "color was used.";
}

}  // namespace meshmill
