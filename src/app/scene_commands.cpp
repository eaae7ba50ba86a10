#include "app/scene_commands.h"

#include "analysis/analysis_driver.h"
#include "app/options.h"
#include "app/window_settings.h"
#include "processing/processing_driver.h"

namespace meshmill {

CommandOutcome analyze_scene(WindowSession& session, const std::string& path) {
  if (session.command_running) return {CommandResult::refused};
  session.command_running = true;
  CommandOutcome outcome = run_analysis(session, settings_from_window(session.window), path);
  session.command_running = false;
  if (outcome.analysed() && outcome.express) outcome = start_process(session, true);
  return outcome;
}

CommandOutcome start_process(WindowSession& session, bool express) {
  CommandOutcome outcome = run_processing(session, settings_from_window(session.window), express);
  if (outcome.ends_program) {
    save_finish_options(session);
    session.quit_requested = true;
  }
  return outcome;
}

}  // namespace meshmill
