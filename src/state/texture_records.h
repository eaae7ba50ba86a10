#pragma once

#include <string>
#include <vector>

namespace meshmill {

// What the texture steps did with one texture, for the report and --json.
// Scene texts are Windows-1252, paths UTF-8.
struct TextureRecord {
  std::string bitmap;                      // the slot's bitmap path, as in the scene
  std::string base;                        // its base name: the image is looked up by it
  std::vector<std::string> slot_textures;  // the texture texts slots keep for it
  std::string name;                        // the pixelmap name the .mat writes for it
  std::string source;                      // the image it is made from, "" when missing
  int source_width = 0;
  int source_height = 0;
  std::string thumbnail_png;  // a small PNG of the image, for the report
  std::string tif;            // TIFFRGB/<base>.tif when it exists
  bool tif_written = false;   // this run wrote it
  std::string pix;            // PIX16/<name>.pix when this run wrote it
  int pix_type = 0;           // 5 (RGB 565) or 18 (ARGB 4444)
  int width = 0;              // the pixelmap's size
  int height = 0;
  std::string problem;      // what went wrong at the analysis ("" when nothing did)
  std::string pix_problem;  // why the processing wrote no pixelmap ("" when it did)
  bool pix_kept = false;    // the user kept the pixelmap that was there already

  bool readable() const { return source_width > 0; }
  bool scaled() const { return !pix.empty() && (width != source_width || height != source_height); }
  // Every problem of the texture in one line, "" when there is none.
  std::string problems() const {
    if (pix_problem.empty()) return problem;
    return problem.empty() ? pix_problem : problem + "; " + pix_problem;
  }
};

using TextureRecords = std::vector<TextureRecord>;

}  // namespace meshmill
