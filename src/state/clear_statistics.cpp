#include "state/clear_statistics.h"

#include "platform/paths.h"

namespace meshmill {

namespace {

void reset_scene_state(SceneState& scene) {
  for (auto& entry : scene.scene_stats) entry = 0;
  scene.nr_line2 = 0;
  scene.nr_objects = 0;
  scene.valid_objects = 0;
  scene.curr_splitasc = 0;
  scene.nr_mapped_objs = 0;
  scene.mat_ref = 0;
  scene.num_bigmat = 0;
  scene.express = 0;
  scene.nr_max_mats2 = 0;
  scene.bigmat_warn = 0;
  scene.big_matfilenames = 0;
  scene.serious_error = 0;
  scene.project_mapped = 0;
  scene.object_mapped = 0;
  scene.file_loaded = 0;
  scene.impo.clear();
  scene.tif_folder.clear();
  scene.fich.clear();
  scene.fich_dest.clear();
  scene.pix16_dest.clear();
  scene.file_type.clear();
  scene.obj_names.assign(1, std::string());
  scene.records.clear();
}

// The processing's scratch file lives beside the input.
void remove_scratch_file(Session& session) {
  const std::string& input = session.window.Text_loadfile.text;
  if (input.empty()) return;  // no input, no folder: nothing of ours to delete
  std::string scratch = join_path(parent_folder(input), "testfile.txt");
  if (session.fs.file_exists(scratch)) session.fs.remove_file(scratch);
}

}  // namespace

void clear_statistics(Session& session) {
  WindowState& window = session.window;
  window.pointer = MousePointer::normal;
  if (session.scene.serious_error != 1) {
    int answer = session.prompt.message_box(
        "Are you sure ? The error log file will also be deleted, and in case there were shortened "
        "names of textures files with more than 15 characters, they will NOT be restored by the "
        "program (you have to do that manually)! Are you sure you want to continue?",
        style::yes_no, "Warning");
    if (answer != answer::yes) return;
  }
  // The passes hold their input and output files only while they run, so no
  // file of theirs is open here; the side-file streams stay as they are.
  reset_scene_state(session.scene);
  window.Text_savefile.text.clear();
  window.Label11.caption = "Comments : ";
  remove_scratch_file(session);
  for (TextBox* box :
       {&window.Text_loadfile, &window.Text_total_objects, &window.Text_valid_objects,
        &window.Text_faces, &window.Text_vertices, &window.Text_ascsplit, &window.Text_comments}) {
    box->text.clear();
  }
  window.Open_error_log.enabled = false;
  window.Clear_statistics.enabled = false;
  window.Open_report.enabled = false;
  window.Label_analize.visible = false;
}

}  // namespace meshmill
