#include "processing/special_materials_file.h"

#include "processing/file_failure.h"
#include "processing/processing_paths.h"
#include "processing/text_fields.h"
#include "state/fixed_names.h"

namespace meshmill {

// "Multimat. i, submat. j : name | Opacity rgb setting : a,a,a", where the
// name is the entry up to its first comma without the character before it.
std::string opacity_line(std::size_t i, std::size_t j, std::string_view entry, int alpha) {
  std::string_view name = entry.substr(0, entry.find(','));
  if (!name.empty()) name.remove_suffix(1);
  std::string line = "Multimat. ";
  append_integer(line, static_cast<std::int64_t>(i));
  line += ", submat. ";
  append_integer(line, static_cast<std::int64_t>(j));
  line.append(" : ").append(name).append(" | Opacity rgb setting : ");
  for (int k = 0; k < 3; ++k) {
    if (k > 0) line += ',';
    append_integer(line, alpha);
  }
  return line;
}

bool close_special_materials(Session& session) {
  SceneState& scene = session.scene;
  std::string path = side_file_path(session, special_materials_name);
  if (scene.special_mats) {
    bool closed = scene.special_mats->close();
    std::string why = scene.special_mats->error();
    scene.special_mats.reset();
    if (!closed) {
      report_write_failure(session, path, why);
      return false;
    }
  }
  if (session.fs.file_size(path) == 0) session.fs.remove_file(path);
  return true;
}

}  // namespace meshmill
