#include "processing/processing_finish.h"

#include "platform/code_page.h"
#include "platform/paths.h"
#include "processing/processing_paths.h"
#include "state/fixed_names.h"

namespace meshmill {

namespace {

constexpr std::size_t listed_objects = 20;

void warn_missing_material_file(Session& session, const RunSettings& settings, bool& express) {
  SceneState& scene = session.scene;
  if (scene.project_mapped != 1 || settings.writes_material_file()) return;
  express = false;
  session.prompt.message_box(
      "You choosed to NOT create a .mat file for this 3dscene, but this 3d scene DOES use "
      "materials and you didn't choosed to remote materials mapping information. This means if "
      "you try to load this .asc into Pt2 it will ask for the .mat file.",
      style::information_icon, "Warning");
  std::string stale = material_file_path(scene.fich_dest);
  if (!session.fs.file_exists(stale)) return;
  int answer = session.prompt.message_box(
      "You choosed to NOT create a .mat file for this 3dscene, but this 3d scene DOES use "
      "materials and you didn't choosed to remote materials mapping information. Altough there "
      "is a .mat file with the same filename of the target scene file, make sure you know what "
      "are you doing, and that .mat file corresponds to this 3d scene. Anyways, you want the "
      "program to delete it to avoid confusion ?",
      style::yes_no + style::information_icon, "Warning");
  if (answer == answer::yes) session.fs.remove_file(stale);
}

void remove_side_files(Session& session) {
  std::string scratch = side_file_path(session, scratch_file_name);
  if (session.fs.file_exists(scratch)) session.fs.remove_file(scratch);
  // Only an empty folder goes: one holding placeholder pixelmaps stays.
  if (!session.scene.pix16_dest.empty()) session.fs.remove_folder(session.scene.pix16_dest);
}

void warn_skipped_objects(Session& session, bool& express) {
  const auto& skipped = session.scene.skipped_objects;
  if (skipped.empty()) return;
  express = false;
  std::string text = "These objects were NOT included in the processed scene:";
  for (std::size_t i = 0; i < skipped.size() && i < listed_objects; ++i) {
    text += "\n\"" + cp1252_to_utf8(skipped[i].name) + "\": " + skipped[i].reason;
  }
  if (skipped.size() > listed_objects) {
    text += "\n... and " + std::to_string(skipped.size() - listed_objects) + " more.";
  }
  session.prompt.message_box(text, style::warning_icon, "Warning");
}

}  // namespace

void close_scratch(Session& session) {
  if (session.scene.logerrors) {
    session.scene.logerrors->close();
    session.scene.logerrors.reset();
  }
  std::string error_log = side_file_path(session, error_log_name);
  if (session.fs.file_size(error_log) == 0) session.fs.remove_file(error_log);
}

void restore_view(Session& session) {
  session.view->busy(false);
  session.view->progress_hidden(Pass::processing);
}

CommandOutcome finish_processing(Session& session, const RunSettings& settings, FinishEntry entry,
                                 bool express) {
  if (entry == FinishEntry::ase_input) {
    warn_missing_material_file(session, settings, express);
    close_scratch(session);
    restore_view(session);
  }
  remove_side_files(session);
  warn_skipped_objects(session, express);

  CommandOutcome outcome{CommandResult::processed};
  if (express) {
    session.prompt.message_box(
        "Finished exporting of the imported 3d scene file ! DON'T forget to optimize the object "
        "in plaything2 !!",
        style::information_icon, "Finished");
    outcome.ends_program = true;
    return outcome;
  }
  int answer = session.prompt.message_box(close_question, style::yes_no, "Finished");
  outcome.ends_program = answer == answer::yes;
  return outcome;
}

void abandon_processing(Session& session) {
  close_scratch(session);
  restore_view(session);
  remove_side_files(session);
}

}  // namespace meshmill
