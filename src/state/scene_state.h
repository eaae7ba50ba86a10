#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "state/scene_records.h"
#include "state/texture_records.h"

namespace meshmill {

// A table of texts indexed by (material, sub-material slot), both from 0.
// The bounds come from counts in the scene file; cells are held per row and
// only as far as they are written, so declared bounds cost no memory until
// slots are filled.
class TextGrid {
 public:
  void reset(std::size_t rows, std::size_t columns) {
    rows_ = rows;
    columns_ = columns;
    cells_.clear();
  }
  std::size_t rows() const { return rows_; }
  std::size_t columns() const { return columns_; }
  bool contains(std::int64_t m, std::int64_t s) const {
    return m >= 0 && s >= 0 && static_cast<std::size_t>(m) < rows_ &&
           static_cast<std::size_t>(s) < columns_;
  }
  // Callers check contains() first: indices come from files.
  std::string& at(std::size_t m, std::size_t s) {
    if (cells_.size() <= m) cells_.resize(m + 1);
    std::vector<std::string>& row = cells_[m];
    if (row.size() <= s) row.resize(s + 1);
    return row[s];
  }
  const std::string& at(std::size_t m, std::size_t s) const {
    static const std::string unwritten;
    if (m >= cells_.size() || s >= cells_[m].size()) return unwritten;
    return cells_[m][s];
  }

 private:
  std::size_t rows_ = 0;
  std::size_t columns_ = 0;
  std::vector<std::vector<std::string>> cells_;
};

// Indices of `scene_stats`, the statistics the window shows.
namespace stat {
inline constexpr int total_objects = 1;
inline constexpr int valid_objects = 2;
inline constexpr int asc_files = 3;
inline constexpr int faces = 4;
inline constexpr int vertices = 5;
}  // namespace stat

// The reserved marker of an absent material name or texture.
inline constexpr const char* empty_material = "[{empty material}]";
inline constexpr const char* empty_material_entry = "[{empty material}] , [{empty material}]";

// A texture name the .mat writes, and the slot texture it came from.
struct MatTexture {
  std::string slot_texture;  // Windows-1252, as in the slot
  std::string name;          // the pixelmap name the game looks up
};

// An object the processing left out, and why (for the user; UTF-8).
struct SkippedObject {
  std::string name;  // Windows-1252, as in the scene
  std::string reason;
};

// The state the analysis hands to the processing, and that both passes share.
// Paths are UTF-8; texts taken from the scene (names, material entries) are
// Windows-1252 bytes.
struct SceneState {
  // Paths and file identity.
  std::string fich;        // the input scene
  std::string file_type;   // "ase" or "asc"
  std::string fich_dest;   // the target .asc
  std::string pix16_dest;  // the PIX16 folder beside the target
  std::string tif_folder;  // the input's TIFFRGB folder

  // Side files held open between steps. The analysis creates both; the
  // processing swaps `logerrors` for its scratch file.
  std::unique_ptr<OutputFile> logerrors;
  std::unique_ptr<OutputFile> special_mats;

  // Results of the analysis.
  std::int64_t nr_line2 = 0;
  std::int64_t nr_objects = 0;
  std::int64_t valid_objects = 0;
  std::int64_t scene_stats[9] = {};  // indexed by `stat`
  std::vector<std::string> obj_names = {std::string()};
  int file_loaded = 0;
  int project_mapped = 0;
  std::int64_t nr_mapped_objs = 0;
  std::int64_t nr_max_mats2 = 0;

  // The material table (kept by the statistics reset; replaced by the next material scan).
  std::vector<std::int64_t> submat_count;
  std::vector<std::int64_t> nr_submats;
  TextGrid mat_names;
  TextGrid mat_colors;
  TextGrid mat_opacity;
  std::vector<std::string> extra_mats;
  std::vector<std::string> bigmat_names;  // "LONG.tga , short" records of one material pass
  std::int64_t num_bigmat = 0;
  int big_matfilenames = 0;
  int bigmat_warn = 0;

  // The user typed short texture names in the last material pass (the
  // processing then waits for the user, even after Yes to express mode).
  bool short_names_typed = false;

  // What the last processing run did.
  std::vector<SkippedObject> skipped_objects;  // objects of the last run left out, and why
  std::vector<std::string> processed_files;    // files the last run wrote (UTF-8 paths)
  std::vector<MatTexture> mat_textures;        // the texture names of the last .mat

  // The textures of the last analysis and what became of them.
  TextureRecords textures;

  // What the report shows of each object, when the session records it.
  SceneRecords records;
};

}  // namespace meshmill
