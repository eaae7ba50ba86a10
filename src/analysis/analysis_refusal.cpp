#include "analysis/analysis_refusal.h"

#include "state/scene_reset.h"

namespace meshmill {

PassOutcome refuse_scene(Session& session, const std::string& text) {
  session.prompt.message_box(text, style::error_icon, "Error");
  return PassOutcome::stopped;
}

PassOutcome report_file_failure(Session& session, const std::string& action,
                                const std::string& path, const std::string& why) {
  std::string text = "The file " + path + " couldn't be " + action + ": " + why;
  session.early_end = {CommandResult::failed, text};
  return refuse_scene(session, text);
}

void end_refused_analysis(Session& session) {
  if (session.scene.logerrors) {
    // Whatever the log holds is kept; a failure to flush it changes nothing now.
    session.scene.logerrors->close();
    session.scene.logerrors.reset();
  }
  // The passes have ended: the bar goes with its label.
  session.view->progress_hidden(Pass::analysis);
  unload_scene(session);
}

}  // namespace meshmill
