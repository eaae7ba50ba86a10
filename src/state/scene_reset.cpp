#include "state/scene_reset.h"

#include "platform/paths.h"
#include "state/fixed_names.h"

namespace meshmill {

void reset_scene(SceneState& scene, SceneReset scope) {
  for (auto& entry : scene.scene_stats) entry = 0;
  scene.nr_line2 = 0;
  scene.nr_objects = 0;
  scene.valid_objects = 0;
  scene.project_mapped = 0;
  scene.file_loaded = 0;
  scene.file_type.clear();
  scene.fich.clear();
  scene.fich_dest.clear();
  scene.obj_names.assign(1, std::string());
  if (scope == SceneReset::loaded_scene) return;
  scene.nr_mapped_objs = 0;
  scene.num_bigmat = 0;
  scene.short_names_typed = false;
  scene.nr_max_mats2 = 0;
  scene.bigmat_warn = 0;
  scene.big_matfilenames = 0;
  scene.tif_folder.clear();
  scene.pix16_dest.clear();
  scene.records.clear();
  scene.textures.clear();
}

void unload_scene(Session& session) {
  // The passes hold their input and output files only while they run, so no
  // file of theirs is open here; the side-file streams stay as they are.
  const std::string& input = session.scene.fich;
  if (!input.empty()) {  // no input, no folder: nothing of ours to delete
    std::string scratch = join_path(parent_folder(input), scratch_file_name);
    if (session.fs.file_exists(scratch)) session.fs.remove_file(scratch);
  }
  reset_scene(session.scene, SceneReset::everything);
  session.view->scene_unloaded();
}

}  // namespace meshmill
