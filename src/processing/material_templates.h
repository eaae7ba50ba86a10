#pragma once

#include <string>

namespace meshmill {

// The fixed byte runs of the material file and of the placeholder pixelmaps.
// Every number in them is big-endian.
struct MaterialTemplates {
  std::string inicio;                   // file-info chunk of a material file
  std::string inicio_mat_before_color;  // head of a material chunk (id 60, length 80)
  std::string inicio_mat_onesided;      // the 62 bytes after the colour, one-sided
  std::string inicio_mat_twosided;      // the same with the two-sided flag
  std::string rest_mat_normal;          // name terminator, head of a colour-map reference
  std::string rest_mat_empty;           // name terminator, end chunk
  std::string end_mat;                  // texture name terminator, end chunk
  std::string inicio_pix;               // the 54 bytes that open a placeholder pixelmap
  std::string fim_pix;                  // end chunk of a placeholder pixelmap
};

// Built once, on first use, and never changed.
const MaterialTemplates& material_templates();

}  // namespace meshmill
