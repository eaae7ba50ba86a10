#include "processing/processing_driver.h"

#include "platform/paths.h"
#include "processing/asc_scene_pass.h"
#include "processing/ase_scene_pass.h"
#include "processing/file_failure.h"
#include "processing/processing_finish.h"
#include "processing/processing_paths.h"
#include "state/fixed_names.h"

namespace meshmill {

namespace {

// The target beside the input, of the input's name. False when it is the
// input itself, or when the user declines to overwrite an existing one
// (recorded as cancelled).
bool derive_target(Session& session, const RunSettings& settings) {
  SceneState& scene = session.scene;
  const std::string& input = scene.fich;
  scene.fich_dest = join_path(parent_folder(input), base_name(input) + ".asc");
  scene.pix16_dest = join_path(parent_folder(input), pixelmap_folder_name);
  if (!session.fs.folder_exists(scene.pix16_dest)) session.fs.create_folder(scene.pix16_dest);

  // An .asc input's own name: the box was ticked after its analysis unticked it.
  if (!refuse_input_as_output(session, scene.fich_dest)) {
    if (settings.overwrite_without_warning || !session.fs.file_exists(scene.fich_dest)) return true;
    int answer = session.prompt.message_box(
        "There is already a .asc file with the same name of the final project indicated. Do you "
        "want to overwrite it?",
        style::yes_no, "Warning");
    if (answer != answer::no) return true;
    session.early_end = {CommandResult::cancelled};
    session.prompt.message_box(
        "Then you must choose another target filename or path (the 3d scene is still ready to "
        "process, just choose another name)",
        style::information_icon, "Warning");
  }
  session.view->target_needed();
  return false;
}

// The scratch file beside the input takes the place of the error log stream.
bool open_scratch(Session& session) {
  std::string path = side_file_path(session, scratch_file_name);
  session.fs.remove_file(path);
  std::string why;
  auto scratch = session.fs.create(path, CreateMode::direct, &why);
  if (!scratch) {
    report_write_failure(session, path, why);
    return false;
  }
  session.scene.logerrors = std::move(scratch);
  return true;
}

}  // namespace

CommandOutcome run_processing(Session& session, const RunSettings& settings, bool express) {
  SceneState& scene = session.scene;
  session.early_end = {};
  if (scene.file_loaded == 0) {
    session.prompt.message_box("You HAVE to first import a 3d scene to process!", style::error_icon,
                               "Error");
    return {CommandResult::refused};
  }
  // Express mode derives the target like the box does: it never has a chosen one.
  bool derived = settings.target_from_source || express;
  if (derived && !derive_target(session, settings)) return session.early_end;
  if (!derived && settings.target.empty()) {
    session.prompt.message_box(
        "You HAVE to choose a target filename before processing this 3d scene !", style::error_icon,
        "Error");
    return {CommandResult::refused};
  }
  session.view->processing_begun();
  scene.skipped_objects.clear();
  scene.processed_files.clear();
  scene.mat_textures.clear();
  if (session.record_objects) begin_processing_records(scene.records);
  if (!open_scratch(session)) {
    abandon_processing(session);
    return session.early_end;
  }

  if (scene.file_type == "ase") return process_ase_scene(session, settings, express);
  if (scene.file_type == "asc") return process_asc_scene(session, settings, express);
  return finish_processing(session, settings, FinishEntry::any_input, express);
}

}  // namespace meshmill
