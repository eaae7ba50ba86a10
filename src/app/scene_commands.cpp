#include "app/scene_commands.h"

#include "analysis/analysis_driver.h"
#include "processing/processing_driver.h"

namespace meshmill {

CommandOutcome analyze_scene(Session& session, const std::string& path) {
  if (session.command_running) return {CommandResult::refused};
  session.scene.impo = path;
  session.command_running = true;
  CommandOutcome outcome = run_analysis(session);
  session.command_running = false;
  // The start-up path serves this one analysis (an early end has emptied it already).
  session.scene.impo.clear();
  if (outcome.analysed() && session.scene.express == 1) outcome = start_process(session);
  session.scene.express = 0;
  return outcome;
}

}  // namespace meshmill
