#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace meshmill {

// Names the slots that have no texture, over one material pass. A slot with a
// colour or a transparency becomes an extra material "(Extra material_N)";
// one with a transparency also gets the pixelmap "(Extra_mat_M)" that the
// material writer generates, shared by every slot of the same transparency
// text so that only one pixelmap is written for them.
class ExtraMaterials {
 public:
  // Starts the numbering afresh and empties `records` (the scene's extra_mats),
  // which receives one record per transparent slot:
  // entry " , " transparency " , " colour (or "-1").
  explicit ExtraMaterials(std::vector<std::string>& records);

  // The name entry of a slot without texture. `colour` and `opacity` are the
  // slot's texts in the table, used when their flag is set.
  std::string name_entry(bool has_colour, bool has_transparency, const std::string& colour,
                         const std::string& opacity);

 private:
  std::vector<std::string>& records_;
  std::int64_t last_number_ = 0;  // N of the last extra material named
  std::unordered_map<std::string, std::string> pixelmap_of_opacity_;
};

}  // namespace meshmill
