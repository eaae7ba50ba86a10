#include "analysis/extra_materials.h"

#include "state/scene_state.h"

namespace meshmill {

ExtraMaterials::ExtraMaterials(std::vector<std::string>& records) : records_(records) {
  records_.clear();
}

std::string ExtraMaterials::name_entry(bool has_colour, bool has_transparency,
                                       const std::string& colour, const std::string& opacity) {
  if (!has_transparency && !has_colour) return empty_material_entry;
  ++last_number_;
  std::string material = "(Extra material_" + std::to_string(last_number_) + ")";
  if (!has_transparency) return material + " , " + empty_material;

  // The first slot of a transparency text names the pixelmap after itself.
  auto [shared, is_new] = pixelmap_of_opacity_.try_emplace(opacity);
  if (is_new) shared->second = "(Extra_mat_" + std::to_string(last_number_) + ")";
  std::string entry = material + " , " + shared->second;
  records_.push_back(entry + " , " + opacity + " , " + (has_colour ? colour : "-1"));
  return entry;
}

}  // namespace meshmill
