#include "analysis/analysis_end.h"

#include "analysis/analysis_refusal.h"
#include "analysis/input_choice.h"
#include "platform/paths.h"
#include "state/fixed_names.h"

namespace meshmill {

namespace {

constexpr const char* renamed_textures_reminder =
    "Remember that texture filenames were renamed, and backups created as .ti files, don't forget "
    "to restore those if you don't plan in processing this scene anymore, since future backups "
    "like this will overwrite older ones without warning.";

// The .asc files the valid objects would go into, named after the scene.
void expect_files(Session& session, const RunSettings& settings) {
  const SceneState& scene = session.scene;
  std::string target = join_path(parent_folder(scene.fich), base_name(scene.fich) + ".asc");
  assign_expected_files(session.scene.records, target, scene.scene_stats[stat::asc_files],
                        settings.splits_files());
}

void mark_loaded(Session& session, const RunSettings& settings, bool problems, bool processable) {
  if (session.record_objects) expect_files(session, settings);
  session.view->scene_loaded(problems, processable);
  session.scene.file_loaded = 1;
  session.scene.file_type = input_type(session.scene.fich);
}

}  // namespace

PassOutcome close_passes(Session& session) {
  auto& log = session.scene.logerrors;
  bool written = true;
  std::string why;
  if (log) {
    written = log->close();
    why = log->error();
    log.reset();
  }
  session.view->busy(false);
  session.view->progress_hidden(Pass::analysis);
  if (written) return PassOutcome::completed;
  return report_file_failure(session, "written",
                             join_path(parent_folder(session.scene.fich), error_log_name), why);
}

void finish_ase_analysis(Session& session, const RunSettings& settings, bool problems,
                         bool& express) {
  PromptService& prompt = session.prompt;
  bool renamed = session.scene.big_matfilenames == 1;
  if (session.scene.short_names_typed) express = false;
  if (problems) {
    prompt.message_box(
        "Analyzing of 3d scene file finished, but certain objects will not be processed and were "
        "skipped.",
        style::error_icon, "Warning");
    if (renamed)
      prompt.message_box(renamed_textures_reminder, style::information_icon, "Second warning");
    express = false;
  } else {
    if (!express) {
      prompt.message_box("Analyzing of 3d scene file finished!", style::information_icon,
                         "Finished");
    }
    if (renamed) prompt.message_box(renamed_textures_reminder, style::warning_icon, "Warning");
  }
  mark_loaded(session, settings, problems, true);
}

void finish_asc_analysis(Session& session, const RunSettings& settings, bool problems) {
  PromptService& prompt = session.prompt;
  // Faulty objects of an .asc input can't be left out: it can't be processed.
  if (problems) {
    prompt.message_box(
        "Analyzing of 3d scene file finished, but because of some errors you can't process this "
        "scene.",
        style::information_icon, "Finished");
  } else if (session.scene.fich_dest.empty()) {
    prompt.message_box(
        "Analyzing of 3d scene file finished! But before processing it you need to choose the "
        "target path to save the processed file(s).",
        style::information_icon, "Finished");
  } else {
    prompt.message_box("Analyzing of 3d scene file finished!", style::information_icon, "Finished");
  }
  mark_loaded(session, settings, problems, !problems);
}

}  // namespace meshmill
