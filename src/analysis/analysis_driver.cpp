#include "analysis/analysis_driver.h"

#include "analysis/analysis_end.h"
#include "analysis/analysis_refusal.h"
#include "analysis/asc_validation.h"
#include "analysis/ase_first_pass.h"
#include "analysis/ase_object_check.h"
#include "analysis/input_choice.h"
#include "analysis/material_analysis.h"
#include "analysis/scene_statistics.h"
#include "analysis/side_files.h"
#include "state/texture_folder.h"

namespace meshmill {

namespace {

// Textures must sit in TIFFRGB beside the scene for long names to be shortened.
void warn_without_texture_folder(Session& session) {
  if (session.fs.folder_exists(texture_folder_of(session.fs, session.scene.fich))) return;
  session.prompt.message_box(
      "This 3d scene doesn't have a TIFFRGB folder, you have to put all the textures used in this "
      "3d scene in a TIFFRGB sub-folder, because if there is references to texture files with "
      "filenames longer than 15 characters a shortening of the filenames is required. If this "
      "scene has textures, switch to windows and put all of them in that folder immediatly before "
      "pressing closing this message. Altough if this 3d scene doesn't have textures you can "
      "safely ignore this.",
      style::information_icon, "Warning");
}

void prepare_input(Session& session) {
  if (session.scene.file_type == "ase") warn_without_texture_folder(session);
  session.view->analysis_begun(session.scene.file_type);
}

bool ask_for_express_processing(Session& session) {
  return session.prompt.message_box(express_question, style::yes_no, "Question") == answer::yes;
}

PassOutcome run_ase_passes(Session& session, const RunSettings& settings, bool& problems) {
  problems = false;
  session.view->busy(true);
  if (count_ase_scene(session) == PassOutcome::stopped) return PassOutcome::stopped;
  show_analysis_progress(session);
  if (session.scene.nr_objects == 0) return refuse_scene(session, no_objects_refusal);
  show_object_count(session);
  if (analyse_materials(session, settings) == PassOutcome::stopped) return PassOutcome::stopped;
  if (check_ase_objects(session, problems) == PassOutcome::stopped) return PassOutcome::stopped;
  return close_passes(session);
}

PassOutcome run_asc_passes(Session& session, bool& problems) {
  session.view->busy(true);
  if (validate_asc_input(session, problems) == PassOutcome::stopped) return PassOutcome::stopped;
  return close_passes(session);
}

// Runs the passes that suit the input.
CommandOutcome analyse_input(Session& session, const RunSettings& settings) {
  const std::string type = session.scene.file_type;
  if (type != "ase" && type != "asc") return {CommandResult::refused};
  bool express = type == "ase" && ask_for_express_processing(session);
  bool problems = false;
  PassOutcome outcome = type == "ase" ? run_ase_passes(session, settings, problems)
                                      : run_asc_passes(session, problems);
  if (outcome == PassOutcome::stopped) {
    end_refused_analysis(session);
    return session.early_end;
  }
  if (type == "ase") {
    finish_ase_analysis(session, settings, problems, express);
  } else {
    finish_asc_analysis(session, settings, problems);
  }
  CommandOutcome analysed{problems ? CommandResult::analysed_with_skips : CommandResult::analysed};
  analysed.express = express;
  return analysed;
}

}  // namespace

CommandOutcome run_analysis(Session& session, const RunSettings& settings,
                            const std::string& start_path) {
  session.early_end = {};
  if (!confirm_new_analysis(session, start_path)) return {CommandResult::cancelled};
  if (!choose_input(session, start_path)) return session.early_end;
  // The report tells of this run only.
  session.scene.records.clear();
  session.scene.textures.clear();
  session.scene.file_type = input_type(session.scene.fich);
  prepare_input(session);
  if (create_side_files(session) == PassOutcome::stopped) {
    end_refused_analysis(session);
    return session.early_end;
  }
  return analyse_input(session, settings);
}

}  // namespace meshmill
